// The results tests need wx's base only (strings, files), never a display.

#include <gtest/gtest.h>

#include <wx/init.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    wxInitializer wx;
    if (!wx.IsOk())
        return 1;
    return RUN_ALL_TESTS();
}
