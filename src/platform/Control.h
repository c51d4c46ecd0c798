#pragma once
// Every kind of control a form can declare. Each family has a header of its
// own; a form includes this one.

#include "platform/ControlBase.h"
#include "platform/TextControls.h"
#include "platform/ButtonControls.h"
#include "platform/ListControls.h"
#include "platform/FrameAndPictureControls.h"
