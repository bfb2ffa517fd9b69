#pragma once
// Stands in for the system's message boxes in tests: records every box and beep, answers
// with `answer`, never blocks. Use: app.SetMessageBoxes(&recorder).
#include "ui/frame/MessageBoxes.h"

#include <string>
#include <vector>

namespace porutena {

class TMessageBoxRecorder : public IMessageBoxes {
public:
    struct TBox {
        HWND owner;
        std::string text;
        std::string caption;
        UINT flags;
    };

    int Show(HWND owner, const std::string& text, const std::string& caption, UINT flags) override {
        boxes.push_back({owner, text, caption, flags});
        return answer;
    }
    void Beep(UINT type) override { beeps.push_back(type); }

    std::vector<TBox> boxes;
    std::vector<UINT> beeps;
    int answer = IDOK;
};

} // namespace porutena
