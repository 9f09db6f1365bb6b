// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The layout lives with the tables, where every front end reads it.
#include "tables/layout.h"

namespace ui {

using tables::ClientHeight;
using tables::ClientWidth;
using tables::ControlLayout;
using tables::FontSpec;
using tables::Geometry;
using tables::Kind;
using tables::layoutOf;
using tables::WindowCaption;
using tables::WindowFont;
using tables::windowLayout;
using tables::WindowName;

}  // namespace ui
