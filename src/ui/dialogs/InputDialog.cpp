#include "ui/dialogs/InputDialog.h"

#include "core/Errors.h"
#include "core/Text.h"
#include "ui/dialogs/InputInteger.h"

#include <memory>

namespace porutena {

void TIntegerDialog::SetMax(std::int32_t value) {
    FMax = value;
    if (FMin > FMax)
        FMin = FMax;
}

void TIntegerDialog::SetMin(std::int32_t value) {
    FMin = value;
    if (FMax < FMin)
        FMax = FMin;
}

bool TIntegerDialog::Execute() {
    // The form lives for this one showing; the pointer destroys it on every way out.
    auto form = std::make_unique<TIntegerDlg>(FApp);
    form->FMax = FMax;
    form->FMin = FMin;
    form->SetCaption(Caption.empty() ? FApp.Title() : Caption);
    form->SetInformation(Information.empty() ? IntegerPrompt : Information);
    form->InputValue.SetPasswordChar(PasswordChar);
    if (!ErrorMessage.empty())
        form->FErrorMessage = ErrorMessage;
    if (form->ShowModal() != mrOk)
        return false;
    auto value = TryStrToInt(form->InputValue.Text());
    // OK closes only on a number in range; a failure here is a fault of the form.
    if (!value)
        throw EError(form->FErrorMessage);
    Value = *value;
    return true;
}

} // namespace porutena
