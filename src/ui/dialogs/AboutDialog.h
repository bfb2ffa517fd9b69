#pragma once
// A dialog component showing the About box with the program's title, version and copyright
// line. Each Execute shows a TAboutBox made for that showing alone.
#include <string>

namespace porutena {

class TApplication;

class TAboutDialog {
public:
    explicit TAboutDialog(TApplication& app) : FApp(app) {}

    // Designed values.
    std::string Caption;   // box title; empty keeps "ﾊﾞｰｼﾞｮﾝ情報"
    std::string Title;     // first line; empty: the application's title
    std::string Version;   // second line: "Version " + Version
    std::string Copyright; // the copyright holder
    std::string Year;      // the copyright years

    // Shows the box; true when it was closed with OK.
    bool Execute();

private:
    TApplication& FApp;
};

} // namespace porutena
