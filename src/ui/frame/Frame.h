#pragma once
// The application frame: include this one header.
// (guide follows once the API settles)
#include "ui/frame/Action.h"
#include "ui/frame/Application.h"
#include "ui/frame/Controls.h"
#include "ui/frame/Form.h"
#include "ui/frame/Images.h"
#include "ui/frame/ListView.h"
#include "ui/frame/Menu.h"
#include "ui/frame/MessageBoxes.h"
#include "ui/frame/ToolBar.h"
