#pragma once
// A dialog component asking for one whole number between Min and Max. Each Execute shows a
// TIntegerDlg made for that showing alone.
#include <cstdint>
#include <string>

namespace porutena {

class TApplication;

class TIntegerDialog {
public:
    explicit TIntegerDialog(TApplication& app) : FApp(app) {}

    // Designed values.
    std::string Caption;      // title; empty: the application's title
    std::string Information;  // text above the entry; empty: "整数値を入力してください"
    char PasswordChar = 0;    // echo character of the entry; 0: none
    std::string ErrorMessage; // shown for an entry that is no number; empty: the same default

    std::int32_t Max() const { return FMax; }
    std::int32_t Min() const { return FMin; }
    // Both keep Min <= Max by moving the other bound along.
    void SetMax(std::int32_t value);
    void SetMin(std::int32_t value);

    // The number accepted by the last successful Execute.
    std::int32_t Value = 0;

    // Shows the dialog; true when the user confirmed a number in range, now in Value.
    bool Execute();

private:
    TApplication& FApp;
    std::int32_t FMax = 2147483647;
    std::int32_t FMin = 0;
};

} // namespace porutena
