#include "ui/dialogs/AboutDialog.h"

#include "ui/dialogs/About.h"

#include <memory>

namespace porutena {

bool TAboutDialog::Execute() {
    // The box lives for this one showing; the pointer destroys it on every way out.
    auto box = std::make_unique<TAboutBox>(FApp);
    if (!Caption.empty())
        box->SetCaption(Caption);
    box->Title.SetText(Title.empty() ? FApp.Title() : Title);
    box->Version.SetText("Version " + Version);
    box->Copyright.SetText("Copyright (C) " + Year + " " + Copyright);
    return box->ShowModal() == mrOk;
}

} // namespace porutena
