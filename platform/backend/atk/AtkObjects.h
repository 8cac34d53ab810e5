// ATK objects standing for the accessibility model's objects (see AtkObjects.cpp).
#pragma once

#include <atk/atk.h>

#include "platform/accessibility/Accessible.h"

namespace vcl::atkbridge {

// The ATK object of Model (a new reference), made on first use and the same while the
// service holds it; its type carries the ATK interfaces the model's object offers.
AtkObject* Wrap(const TAccessiblePtr& Model);
// The ATK object already made for Model, or nullptr (no reference added).
AtkObject* Existing(const TAccessible* Model);
// The model's object behind an ATK object of this bridge, or nullptr.
TAccessiblePtr ModelOf(AtkObject* Object);

// The application object: the root, whose children are the shown forms (kept for good).
AtkObject* Root();

AtkRole RoleOf(TAccRole Role);
AtkStateType StateOf(TAccState State);

}  // namespace vcl::atkbridge
