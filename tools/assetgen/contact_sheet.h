// One picture showing every generated picture at its size, in load order, labelled.
#pragma once

#include "art/art.h"

namespace assetgen {

Image makeContactSheet(const PictureSet& set);

}  // namespace assetgen
