#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "editor/message_text.h"

namespace {

TEST(MessageText, NumbersWithoutTextGiveTheEmptyText)
{
    for (int number : {0, 153, 209, 238, 273, 1000, -1})
        EXPECT_STREQ(MessageText(number), "") << number;
}

TEST(MessageText, GivesTheTextsExactly)
{
    EXPECT_STREQ(MessageText(237),
                 "Unable to load Vireo script! Invalid Format or Corrupt Script!\n\nPlease verify that the file you "
                 "are attempting to load is a working Vireo script.");
    EXPECT_STREQ(MessageText(291), "Vireo Running\n       Click to Pause");
    EXPECT_STREQ(MessageText(201 + 7),
                 "When Vireo encounters a WaitForApp action, it waits for the specified application to either execute "
                 "or terminate (or timeout), whichever is checked.\n\nTip: If you drag a file or shortcut here, "
                 "Application will be filled in.");
}

TEST(MessageText, FillsPlaceholders)
{
    char text[256];
    std::snprintf(text, sizeof text, MessageText(131), "Mount", 1);
    EXPECT_STREQ(text, "Inserts a Mount command\nShortcut: Ctrl+1");
    std::snprintf(text, sizeof text, MessageText(240), 2, "Invalid parameter count.");
    EXPECT_STREQ(text, "Error on line 2:\nInvalid parameter count.\n\nWould you like to continue execution?");
}

TEST(MessageText, InvalidCharacterListsDifferForNamesAndPaths)
{
    std::string names = MessageText(274);
    std::string paths = MessageText(275);
    EXPECT_EQ(names,
              "You have invalid characters in %s.\n\nYou may not use the following characters: \\ / : * ? \" < > |\n");
    EXPECT_EQ(paths,
              "You have invalid characters in %s.\n\nYou may not use the following characters: / * ? \" < > |\n");
}

} // namespace
