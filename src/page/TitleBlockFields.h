#pragma once

#include <string>

namespace waybill {

class Book;
struct Page;

// The title-block fields as texts of a document, for code that reads them without a page view.

// The field's label without its colon ("CAD #", "Shipping List For"); empty for no field.
std::string TitleBlockFieldName(int field);

// Detail By, Issue, Checked By, Date, Customer and Job Number: one text for the whole
// document, which every page shows.
bool IsDocumentField(int field);

// The text a field of `page` shows: the page's own Finish, CAD # or description, or the
// document's field. Sheet numbers are worked out, not stored, and read as empty.
const std::string& TitleBlockText(const Book& book, const Page& page, int field);

} // namespace waybill
