// The test double of the desktop: a scripted clock that moves on as messages are
// pumped, timers fired by that clock, and recordings of sounds, boxes and drawing.
#pragma once
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/canvas.h"
#include "platform/dialog.h"
#include "platform/profile_file.h"
#include "platform/services.h"

namespace platform::testing {

// Letters as boxes of a fixed size, so that layouts can be checked without fonts.
class FakeText : public TextRenderer {
 public:
  void Draw(Bitmap& dst, int x, int y, std::string_view text, int points, Color color,
            bool bold) override {
    // A one-pixel underline marks where text went, in its colour.
    FillRect(dst, x, y + Height(points, bold) - 1, Width(text, points, bold), 1, color);
  }
  int Width(std::string_view text, int points, bool) override {
    return static_cast<int>(text.size()) * points * 2 / 3;
  }
  int Height(int points, bool) override { return points * 4 / 3 + 3; }
};

class FakePlatform : public Clock,
                     public Timers,
                     public SoundPlayer,
                     public MessageBoxes,
                     public HelpViewer,
                     public WebBrowser {
 public:
  // Clock.
  uint64_t TickMs() override { return now_; }
  uint32_t TimeOfDayMs() override { return time_of_day_; }
  void PumpMessages() override {
    ++pumps;
    now_ += pump_step_ms;
    RunDue();
    if (on_pump) on_pump();
  }
  // A wait is one pump, as if a message arrived at once; on_wait sees the clock and the
  // deadline asked for.
  void WaitMessages(uint64_t until_ms) override {
    if (on_wait) on_wait(now_, until_ms);
    PumpMessages();
  }
  std::function<void(uint64_t now, uint64_t until)> on_wait;
  // Runs on every pump, like a window handling its messages.
  std::function<void()> on_pump;
  void Advance(uint64_t ms) {
    now_ += ms;
    RunDue();
  }
  uint64_t now_ = 1'000'000;
  uint64_t pump_step_ms = 1;
  uint32_t time_of_day_ = 12345;
  long pumps = 0;

  // Something to do when the clock reaches a time (a key press mid-spin, say).
  void At(uint64_t when, std::function<void()> what) { events_.emplace_back(when, std::move(what)); }
  // Something to do on the n-th pump from now.
  void OnPump(long n, std::function<void()> what) { pump_events_.emplace_back(pumps + n, std::move(what)); }

  // Timers.
  void Start(int id, int interval_ms, std::function<void()> tick) override {
    timers_[id] = {interval_ms, now_ + interval_ms, std::move(tick)};
  }
  void Stop(int id) override { timers_.erase(id); }
  bool Running(int id) const override { return timers_.count(id) > 0; }
  // The game's timers are named by an enum of their own.
  template <class Id>
    requires std::is_enum_v<Id>
  bool Running(Id id) const { return Running(static_cast<int>(id)); }
  template <class Id>
    requires std::is_enum_v<Id>
  void Fire(Id id) { Fire(static_cast<int>(id)); }
  // Fires a running timer by hand, as if its interval had passed.
  void Fire(int id) {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    auto tick = it->second.tick;
    tick();
  }
  bool run_timers = false;  // fire timers from the clock while pumping

  // Sound.
  // Each file plays for sound_ms; 0 plays nothing worth waiting for.
  int PlayFile(const std::string& path) override {
    sounds.push_back(path.substr(path.find_last_of('/') + 1));
    return sound_ms;
  }
  int sound_ms = 0;
  void PlayMemory(const std::vector<uint8_t>&) override { sounds.push_back("click"); }
  void SetVolume(int percent) override { volume = percent; }
  int volume = 100;
  std::vector<std::string> sounds;

  // Boxes.
  // Notes a box; false when it was refused.
  bool Box(const std::string& text) {
    if (closing) {
      boxes.push_back("Refused: " + text);
      return false;
    }
    boxes.push_back(text);
    if (on_box) on_box(text);
    return true;
  }
  void Information(const std::string& text) override { Box("Information: " + text); }
  bool Confirm(const std::string& text, Answer on_enter) override {
    if (on_enter == Answer::No) enter_says_no.push_back(text);
    return Box("Confirm: " + text) && !closing && confirm_answer;
  }
  bool AskToStop(const std::string& title, const std::string& text, const std::string& go_on,
                 const std::string& stop) override {
    return Box(title + ": " + text + " [" + go_on + "/" + stop + "]") && stop_answer;
  }
  bool stop_answer = false;
  void Notice(const std::string& text) override { Box("Notice: " + text); }
  void Error(const std::string& text) override { Box("Error: " + text); }
  std::optional<std::string> Input(const std::string& caption, const std::string&, int max_chars,
                                   const std::string& initial) override {
    if (!Box("Input: " + caption + " [" + initial + "]") || closing || !input_answer) return std::nullopt;
    return CutToCharacters(*input_answer, max_chars);  // the box takes no more
  }
  std::vector<std::string> boxes;
  bool confirm_answer = true;
  // The Confirm boxes asked where Enter answers No.
  std::vector<std::string> enter_says_no;
  // Runs as each box opens, with what it says: a signal arriving while it is up, say.
  std::function<void(const std::string&)> on_box;
  // A close is under way: as the real desktop does, no box opens any more (each is noted
  // as refused) and one that is up answers as if cancelled.
  bool closing = false;
  std::optional<std::string> input_answer;

  // Help and the web: each opening as "file#topic", each address opened.
  void ShowHelp(const std::string& file, const std::string& topic) override { helps.push_back(file + "#" + topic); }
  bool OpenUrl(const std::string& url) override {
    urls.push_back(url);
    return browser_starts;
  }
  std::vector<std::string> helps;
  std::vector<std::string> urls;
  bool browser_starts = true;

 private:
  struct Timer {
    int interval;
    uint64_t due;
    std::function<void()> tick;
  };

  void RunDue() {
    for (size_t i = 0; i < events_.size();) {
      if (events_[i].first <= now_) {
        auto what = std::move(events_[i].second);
        events_.erase(events_.begin() + static_cast<long>(i));
        what();
      } else {
        ++i;
      }
    }
    for (size_t i = 0; i < pump_events_.size();) {
      if (pump_events_[i].first <= pumps) {
        auto what = std::move(pump_events_[i].second);
        pump_events_.erase(pump_events_.begin() + static_cast<long>(i));
        what();
      } else {
        ++i;
      }
    }
    if (!run_timers) return;
    for (auto& [id, t] : std::map<int, Timer>(timers_)) {
      auto it = timers_.find(id);
      if (it == timers_.end() || it->second.due > now_) continue;
      it->second.due = now_ + it->second.interval;
      auto tick = it->second.tick;
      tick();
    }
  }

  std::vector<std::pair<uint64_t, std::function<void()>>> events_;
  std::vector<std::pair<long, std::function<void()>>> pump_events_;
  std::map<int, Timer> timers_;
};

}  // namespace platform::testing
