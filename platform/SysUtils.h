// SysUtils: exceptions, format settings, rounding, numbers as text and from text, Format,
// UTF-8 strings, string helpers, dates and times (also as text), paths and files.
#pragma once

#include "platform/runtime/DateFormat.h"
#include "platform/runtime/DateTime.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/FloatDecimal.h"
#include "platform/runtime/FloatText.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/FormatSettings.h"
#include "platform/runtime/HostSystem.h"
#include "platform/runtime/NumberParse.h"
#include "platform/runtime/Paths.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/TextUtils.h"
#include "platform/runtime/Utf8.h"
