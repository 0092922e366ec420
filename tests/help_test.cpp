// The manual as the game ships it, in English and in every language it is written in: the
// copies in the program folder, their topics for the windows' Help, internal links and
// the block structure the help viewer lays out; a translation keeps the English manual's
// topics and every figure of its tables, which the pay tests hold against the rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "machine/manual_topics.h"
#include "tests/profile_test_support.h"

namespace {

using testing_support::ReadBytes, testing_support::ShippedManual;

// Comments may mention tags or anchors that are not part of the page.
std::string WithoutComments(std::string html) {
  for (size_t start; (start = html.find("<!--")) != std::string::npos;) {
    size_t end = html.find("-->", start);
    html.erase(start, end == std::string::npos ? std::string::npos : end + 3 - start);
  }
  return html;
}

std::map<std::string, int> AnchorCounts(const std::string& html) {
  std::map<std::string, int> counts;
  static const std::regex anchor(R"re(<a\s+name\s*=\s*"([^"]*)")re", std::regex::icase);
  for (std::sregex_iterator it(html.begin(), html.end(), anchor), end; it != end; ++it)
    ++counts[(*it)[1]];
  return counts;
}

struct Manual {
  std::string name;
  std::string html;
};

// Vantello.hlp, then Vantello.LANG.hlp for each language, as the program folder holds them.
std::vector<Manual> ShippedManuals() {
  std::vector<Manual> manuals{{"Vantello.hlp", ShippedManual()}};
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(VANTELLO_PROGRAM_DIR)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with("Vantello.") && name.ends_with(".hlp") && name != "Vantello.hlp") names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) manuals.push_back({name, ReadBytes(std::string(VANTELLO_PROGRAM_DIR) + name)});
  return manuals;
}

TEST(HelpFile, ProgramFolderHoldsTheCurrentManual) {
  for (const auto& entry : std::filesystem::directory_iterator(std::string(VANTELLO_SOURCE_DIR) + "assets/help")) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(ReadBytes(std::string(VANTELLO_PROGRAM_DIR) + name) == ReadBytes(entry.path().string()))
        << "the program folder holds a stale copy of " << name;
  }
  EXPECT_FALSE(ShippedManual().empty()) << "Vantello.hlp is missing from the program folder";
}

TEST(HelpFile, EveryWindowTopicIsThereOnceAndEveryLinkLeadsToATopic) {
  for (const Manual& manual : ShippedManuals()) {
    SCOPED_TRACE(manual.name);
    std::string html = WithoutComments(manual.html);
    std::map<std::string, int> anchors = AnchorCounts(html);
    EXPECT_EQ(anchors["contents"], 1);
    for (int topic : machine::kWindowHelpTopics) EXPECT_EQ(anchors[std::to_string(topic)], 1) << "topic " << topic;
    for (const auto& [name, count] : anchors) EXPECT_EQ(count, 1) << "anchor " << name << " repeats";
    static const std::regex link(R"re(href\s*=\s*"#([^"]*)")re", std::regex::icase);
    int links = 0;
    for (std::sregex_iterator it(html.begin(), html.end(), link), end; it != end; ++it, ++links)
      EXPECT_TRUE(anchors.count((*it)[1])) << "link to #" << (*it)[1] << " leads nowhere";
    EXPECT_GT(links, 0);
  }
}

// The help viewer may break a line between a link and the stop after it, which would start
// a line with a lone full stop: the stop goes inside the link.
TEST(HelpFile, NoLineCanStartWithTheStopAfterALink) {
  static const std::regex stop_after_link(R"(</a>[.,;:])", std::regex::icase);
  for (const Manual& manual : ShippedManuals()) {
    std::smatch m;
    EXPECT_FALSE(std::regex_search(manual.html, m, stop_after_link))
        << manual.name << " at ..." << manual.html.substr(std::max<long>(0, m.position(0) - 40), 50);
  }
}

// Every key the game answers to has its row in the keys table, under its own name in
// every language.
TEST(HelpFile, TheKeysTableNamesEveryKey) {
  for (const Manual& manual : ShippedManuals()) {
    const size_t table = manual.html.find("<a name=\"keys\">");
    ASSERT_NE(table, std::string::npos) << manual.name;
    const std::string keys = manual.html.substr(table, manual.html.find("</table>", table) - table);
    for (const char* key : {"Enter", "Space", "L", "K", "C", "X", "R", "S", "M", "F1", "F11", "Shift+F10", "Menu"})
      EXPECT_NE(keys.find(std::string("<tt><b>") + key + "</b></tt>"), std::string::npos) << manual.name << ": " << key;
  }
}

// A translation has the English manual's topics and, table by table, the very figures of
// its tables in the same order: the English ones are held against the rules.
TEST(HelpFile, ATranslationKeepsEveryTopicAndEveryFigure) {
  const std::vector<Manual> manuals = ShippedManuals();
  auto figures = [](const std::string& html) {
    std::vector<std::string> tables;
    static const std::regex number(R"(\d+)");
    for (size_t at = 0; (at = html.find("<table", at)) != std::string::npos; ++at) {
      const std::string table = html.substr(at, html.find("</table>", at) - at);
      std::string digits;
      for (std::sregex_iterator it(table.begin(), table.end(), number), end; it != end; ++it)
        digits += it->str() + ' ';
      tables.push_back(digits);
    }
    return tables;
  };
  const std::string english = WithoutComments(manuals.front().html);
  for (size_t i = 1; i < manuals.size(); ++i) {
    SCOPED_TRACE(manuals[i].name);
    const std::string html = WithoutComments(manuals[i].html);
    EXPECT_EQ(AnchorCounts(html), AnchorCounts(english));
    EXPECT_EQ(figures(html), figures(english));
  }
}

TEST(HelpFile, ListsAndTablesAreClosedInOrder) {
  for (const Manual& manual : ShippedManuals()) {
    SCOPED_TRACE(manual.name);
    std::string html = WithoutComments(manual.html);
    static const std::regex tag(R"(<(/?)([A-Za-z]+)[^>]*>)");
    const std::vector<std::string> blocks{"table", "tr", "ul", "ol", "dl"};
    std::vector<std::string> open;
    for (std::sregex_iterator it(html.begin(), html.end(), tag), end; it != end; ++it) {
      std::string name = (*it)[2];
      std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
      if (std::find(blocks.begin(), blocks.end(), name) == blocks.end()) continue;
      if ((*it)[1].length() == 0) {
        open.push_back(name);
      } else {
        ASSERT_FALSE(open.empty()) << "</" << name << "> closes nothing";
        ASSERT_EQ(open.back(), name) << "</" << name << "> closes <" << open.back() << ">";
        open.pop_back();
      }
    }
    EXPECT_TRUE(open.empty()) << open.size() << " blocks left open, the last <" << open.back() << ">";
  }
}

}  // namespace
