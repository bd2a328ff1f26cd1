#include "platform/ui/OpenDialog.h"

#include <gtest/gtest.h>

TEST(OpenDialog, FiltersTurnIntoTheQtFileDialogsNameFilters)
{
    using platform::TOpenDialog;
    EXPECT_EQ(TOpenDialog::qtNameFilters("XML File (*.xml)|*.xml"), "XML File (*.xml)");
    EXPECT_EQ(TOpenDialog::qtNameFilters("XML File|*.xml"), "XML File (*.xml)");
    EXPECT_EQ(TOpenDialog::qtNameFilters("Pictures|*.bmp;*.jpg|All files (*.*)|*.*"),
              "Pictures (*.bmp *.jpg);;All files (*.*)");
    EXPECT_EQ(TOpenDialog::qtNameFilters(""), "");
    EXPECT_EQ(TOpenDialog::qtNameFilters("Lonely description"), "");
}
