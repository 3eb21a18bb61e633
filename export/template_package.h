#pragma once

#include <string>

namespace trevalo::workbook {

// Turns the .xlsx package at path into a spreadsheet template: the workbook part is
// declared a template in [Content_Types].xml, and the charts name their Latin face as
// their East Asian face too; nothing else changes. A template opens as
// a new, untitled workbook, so saving it asks where to save. False when the file is not
// such a package or cannot be rewritten.
bool markAsTemplate(const std::string& path);

// The same rewrite, the template declaration only when declareTemplate: a plain workbook
// keeps its workbook type and still gets the charts' East Asian faces.
bool finishPackage(const std::string& path, bool declareTemplate);

}  // namespace trevalo::workbook
