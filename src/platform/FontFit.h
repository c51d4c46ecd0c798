#pragma once
// The one search for the largest font at which a text fits its room, shared
// by the captions, fields and charts that shrink their lettering rather than
// cut a text short.

#include <QFont>

#include <functional>

namespace platform {

// The largest size from `smallest` to the font's own, in quarter points,
// at which `fits` holds; `smallest` when it holds at none.
QFont largestFitting(const QFont& font, double smallest, const std::function<bool(const QFont&)>& fits);

} // namespace platform
