#pragma once

#include "model/Book.h"

namespace waybill {

// The same document as a file holds it: header, options and each page's fields and lines.
// The cursor, the clipboard and the pages' sort positions are not compared.
bool operator==(const Book& a, const Book& b);

} // namespace waybill
