// The manual as the game ships it: the copy in the program folder, its topics for the
// windows' Help, internal links and the block structure the help viewer lays out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
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

TEST(HelpFile, ProgramFolderHoldsTheCurrentManual) {
  std::string shipped = ShippedManual();
  ASSERT_FALSE(shipped.empty()) << "Vantello.hlp is missing from the program folder";
  EXPECT_TRUE(shipped == ReadBytes(std::string(VANTELLO_SOURCE_DIR) + "assets/help/Vantello.hlp"))
      << "the program folder holds a stale copy of the manual";
}

TEST(HelpFile, EveryWindowTopicIsThereOnceAndEveryLinkLeadsToATopic) {
  std::string html = WithoutComments(ShippedManual());
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

// The help viewer may break a line between a link and the stop after it, which would start
// a line with a lone full stop: the stop goes inside the link.
TEST(HelpFile, NoLineCanStartWithTheStopAfterALink) {
  const std::string html = ShippedManual();
  static const std::regex stop_after_link(R"(</a>[.,;:])", std::regex::icase);
  std::smatch m;
  EXPECT_FALSE(std::regex_search(html, m, stop_after_link))
      << "at ..." << html.substr(std::max<long>(0, m.position(0) - 40), 50);
}

// Every key the game answers to has its row in the keys table.
TEST(HelpFile, TheKeysTableNamesEveryKey) {
  const std::string html = ShippedManual();
  const size_t table = html.find("<h2><a name=\"keys\">");
  ASSERT_NE(table, std::string::npos);
  const std::string keys = html.substr(table, html.find("</table>", table) - table);
  for (const char* key : {"Enter", "Space", "L", "K", "C", "X", "R", "S", "M", "F1", "F11", "Shift+F10", "Menu"})
    EXPECT_NE(keys.find(std::string("<tt><b>") + key + "</b></tt>"), std::string::npos) << key;
}

TEST(HelpFile, ListsAndTablesAreClosedInOrder) {
  std::string html = WithoutComments(ShippedManual());
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

}  // namespace
