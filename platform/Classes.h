// Classes: the object model (TObject, TPersistent, TComponent), string lists, streams,
// text files, published properties with the class registry, and form files.
#pragma once

#include "platform/core/Component.h"
#include "platform/core/FormFile.h"
#include "platform/core/PropInfo.h"
#include "platform/core/Streams.h"
#include "platform/core/StringList.h"
#include "platform/core/TextFile.h"
