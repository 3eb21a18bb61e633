#pragma once

#include <optional>
#include <string>

namespace trevalo::engine {

// Average passenger waiting time estimated after Barney (CIBSE Guide D); empty where the
// estimate does not apply (load factor P_up / CC above 0.8, or no rated persons).
std::optional<double> averageWaitingTime(double upPassengers, double ratedPersons, double interval);

// How an interval (the longest waiting time) rates for up-peak service.
enum class IntervalGrade { Excellent, Good, Satisfactory, Poor, Unsatisfactory };
IntervalGrade intervalGrade(double interval);  // seconds
// "优", "良", "满意", "差" or "不满意", as the calculation sheet and the sizing list grade it.
std::string intervalGradeText(IntervalGrade grade);

}  // namespace trevalo::engine
