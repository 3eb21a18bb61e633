#pragma once

namespace trevalo {

// The six forms of the program: splash, building data, floor population,
// elevator parameters, single result and load table.
enum class FormId { Form1, Form2, Form3, Form4, Form5, Form6 };

}  // namespace trevalo
