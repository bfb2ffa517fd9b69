#pragma once
// The system's dialogs (message boxes, the open dialog) hide when they close and only then
// hand the activation back to their owner. Until then the keyboard focus is with no window,
// and under Wine the keys typed meanwhile are lost. Put a TSystemDialogScope around the call
// that runs such a dialog: its owner then takes the activation back before the dialog hides.
#include <windows.h>

namespace porutena {

class TSystemDialogScope {
public:
    TSystemDialogScope();
    ~TSystemDialogScope();
    TSystemDialogScope(const TSystemDialogScope&) = delete;
    TSystemDialogScope& operator=(const TSystemDialogScope&) = delete;

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    HHOOK FHook;
};

} // namespace porutena
