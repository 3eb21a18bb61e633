#pragma once

namespace trevalo {

// The forms of the program: splash, building data, floor population, elevator parameters,
// single result, load table, the sizing search, and the traffic simulation.
enum class FormId { Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8 };

}  // namespace trevalo
