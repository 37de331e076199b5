#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using app::argumentsOf;

TEST(CommandLineArguments, SkipTheProgramNameAndTheBlanksAfterIt) {
  EXPECT_EQ(argumentsOf(u"Blockery.exe arx show 321"), u"arx show 321");
  EXPECT_EQ(argumentsOf(u"Blockery.exe \t  arx hide"), u"arx hide");
  EXPECT_EQ(argumentsOf(u"Blockery.exe arx show 1  "), u"arx show 1  ");
}

TEST(CommandLineArguments, QuotedProgramNameMayHoldBlanks) {
  EXPECT_EQ(argumentsOf(u"\"C:\\Program Files\\墨匣\\Blockery.exe\" arx close"), u"arx close");
  EXPECT_EQ(argumentsOf(u"\"C:\\a b\\Blockery.exe\"arx close"), u"arx close");
}

TEST(CommandLineArguments, ControlCharactersCountAsBlanks) {
  EXPECT_EQ(argumentsOf(u"Blockery.exe\r\narx hide"), u"arx hide");
}

TEST(CommandLineArguments, NothingAfterTheProgramIsEmpty) {
  EXPECT_EQ(argumentsOf(u"Blockery.exe"), u"");
  EXPECT_EQ(argumentsOf(u"\"C:\\a b\\Blockery.exe\"   "), u"");
  EXPECT_EQ(argumentsOf(u""), u"");
}

}  // namespace
