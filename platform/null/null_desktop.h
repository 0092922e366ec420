// The silent face of the desktop: nobody is at the machine. The clock moves only as
// messages are pumped, timers never fire, nothing is heard or drawn on a screen, boxes
// are answered with No and Cancel, and a dialog closes as soon as it opens. The
// simulator and the benchmarks run the machine's own code on it.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/dialog.h"
#include "platform/services.h"

namespace platform::null {

class NullText : public TextRenderer {
 public:
  void Draw(Bitmap&, int, int, std::string_view, int, Color, bool) override {}
  int Width(std::string_view, int, bool) override { return 0; }
  int Height(int, bool) override { return 0; }
};

class NullDialog : public Dialog {
 public:
  NullDialog(int width, int height) : surface_(width, height, &text_) {}
  int AddLabel(int, int, int, int, const std::string& text, const LabelStyle&) override { return Add(text); }
  int AddButton(int, int, int, int, const std::string& caption, ButtonKind, std::function<void()>,
                const Bitmap*) override {
    return Add(caption);
  }
  int AddEdit(int, int, int, int, const std::string& text, bool, int) override { return Add(text); }
  int AddRadio(int, int, int, int, const std::string& text, int, bool) override { return Add(text); }
  int AddCheck(int, int, int, int, const std::string& text, int, bool) override { return Add(text); }
  int AddFrame(int, int, int, int) override { return Add(""); }
  void SetText(int id, const std::string& text) override { texts_.at(id) = text; }
  std::string Text(int id) const override { return texts_.at(id); }
  bool Checked(int) const override { return false; }
  void SetTooltip(int, const std::string&) override {}
  Canvas& Surface() override { return surface_; }
  void OnPaint(std::function<void()>) override {}
  void Repaint() override {}
  void OnMouseUp(std::function<void(int, int)>) override {}
  void OnClose(std::function<void()> handler) override { close_ = std::move(handler); }
  void SetHelpTopic(int) override {}
  void MoveTo(int, int) override {}
  void ShowModal() override { Close(); }
  void Close() override {
    if (closed_) return;
    closed_ = true;
    if (close_) close_();
  }

 private:
  int Add(const std::string& text) {
    texts_.push_back(text);
    return static_cast<int>(texts_.size()) - 1;
  }
  NullText text_;
  Canvas surface_;
  std::vector<std::string> texts_;
  std::function<void()> close_;
  bool closed_ = false;
};

class NullDesktop : public Clock,
                    public Timers,
                    public SoundPlayer,
                    public MessageBoxes,
                    public DialogFactory,
                    public HelpViewer,
                    public WebBrowser {
 public:
  // The canvas is one pixel: what is drawn costs nothing and is never seen.
  NullDesktop() : canvas_(1, 1, &text_) {}
  NullDesktop(const NullDesktop&) = delete;
  NullDesktop& operator=(const NullDesktop&) = delete;

  Services Face() { return {canvas_, *this, *this, *this, *this, *this, *this, *this}; }

  // Each pump moves the clock on by this much.
  uint64_t pump_step_ms = 1;

  uint64_t TickMs() override { return now_ms_; }
  uint32_t TimeOfDayMs() override { return 0; }
  void PumpMessages() override { now_ms_ += pump_step_ms; }
  void WaitMessages(uint64_t) override { PumpMessages(); }

  void Start(int, int, std::function<void()>) override {}
  void Stop(int) override {}
  bool Running(int) const override { return false; }

  int PlayFile(const std::string&) override { return 0; }
  void PlayMemory(const std::vector<uint8_t>&) override {}
  void SetVolume(int) override {}

  void Information(const std::string&) override {}
  bool Confirm(const std::string&, Answer) override { return false; }
  bool AskToStop(const std::string&, const std::string&, const std::string&, const std::string&) override {
    return false;
  }
  void Notice(const std::string&) override {}
  void Error(const std::string&) override {}
  std::optional<std::string> Input(const std::string&, const std::string&, int, const std::string&) override {
    return std::nullopt;
  }

  std::unique_ptr<Dialog> NewDialog(const std::string&, int width, int height, Color) override {
    return std::make_unique<NullDialog>(width, height);
  }
  void ShowHelp(const std::string&, const std::string&) override {}
  bool OpenUrl(const std::string&) override { return false; }

 private:
  NullText text_;
  Canvas canvas_;
  uint64_t now_ms_ = 0;
};

}  // namespace platform::null
