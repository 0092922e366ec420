// What a new player meets in the first evening: a stray key, the settings, the menu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/test_machine.h"
#include "view/command_bar.h"

namespace {

using testing_support::TestForm;

// Enter also spins: in a box that throws the game away or ends it, Enter must say No.
TEST(StrayEnter, OnlyTheBoxesThatLoseOrEndTheGameAnswerNoToEnter) {
  TestForm t;
  t.fake.confirm_answer = false;
  t.form->PressCommand(view::CmdNewGame);
  t.form->PressCommand(view::CmdExit);
  EXPECT_EQ(t.fake.enter_says_no,
            (std::vector<std::string>{"Start a New Game?", "Are you sure you want to exit the game?"}));
  EXPECT_EQ(t.form->Machine().g.Credits, 1000);
  EXPECT_FALSE(t.form->Closed());
}

}  // namespace
