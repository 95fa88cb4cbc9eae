#pragma once
// The objects Office hands to a COM add-in, as the seam: the add-in instance (COMAddIn)
// OnConnection receives, the ribbon (IRibbonUI) of the onLoad callback and the control
// (IRibbonControl) of an onAction callback; and Outlook's Application in a map the caller
// keeps. Nothing (nullptr) gives nullptr.
#include <oaidl.h>

#include <memory>

#include "corvane/comoutlook/objects.h"
#include "corvane/outlook/addin.h"
#include "corvane/outlook/application.h"

namespace corvane::comoutlook {

std::shared_ptr<outlook::AddInInstance> AddInInstanceOf(Objects& objects, IDispatch* addInInst);
std::shared_ptr<outlook::RibbonUI> RibbonUIOf(Objects& objects, IDispatch* ribbon);
std::shared_ptr<outlook::RibbonControl> RibbonControlOf(Objects& objects, IDispatch* control);
// Outlook's Application in `objects`, whose creator answers its CreateObject.
std::shared_ptr<outlook::Application> ApplicationIn(Objects& objects, IDispatch* application);

}  // namespace corvane::comoutlook
