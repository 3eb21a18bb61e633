// Any set of control states, decoded from arbitrary bytes, runs through the analysis:
// it must end in exactly one notice or in figures whose every text is a plain number. The
// rest of the bytes are the sizing form's entries, and the same states run through the
// sizing search: one notice, or a list of figures that meet the targets exactly when it says so.
#include "engine/analysis/analysis.h"
#include "engine/display_text.h"
#include "engine/fuzz/inputs_decoder.h"
#include "engine/fuzz/require.h"
#include "engine/sizing/sizing_report.h"
#include "engine/sizing/sizing_search.h"

#include <map>
#include <optional>
#include <regex>

namespace {

using namespace trevalo::engine;

// Optional minus, digits without a leading zero, and a fraction that does not end in zero; never "-0".
bool isPlainNumber(const std::string& text)
{
    static const std::regex plain("-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?");
    return std::regex_match(text, plain) && text != "-0";
}

// Whether a named entry of the building data or the elevator parameters was left empty.
bool leftEmpty(const AnalysisInputs& inputs, const EntryRef& entry)
{
    const ProjectData& p = inputs.project;
    const ElevatorParameters& e = inputs.elevator;
    if (!entry.id() || entry.row())
        return false;
    switch (*entry.id()) {
    case EntryId::BuildingType: return !p.buildingType;
    case EntryId::Spread: return !p.spread;
    case EntryId::DoorType: return !e.doorType;
    default: break;
    }
    const std::map<EntryId, const std::string*> texts{
        {EntryId::FloorsServed, &p.floorsServed}, {EntryId::TotalPopulation, &p.totalPopulation},
        {EntryId::Travel, &e.travel}, {EntryId::FloorHeight, &e.floorHeight}, {EntryId::DoorWidth, &e.doorWidth},
        {EntryId::LossPercent, &e.lossPercent}, {EntryId::UpPercent, &e.upPercent},
        {EntryId::RatedSpeed, &e.ratedSpeed}, {EntryId::DownPercent, &e.downPercent},
        {EntryId::ExpressDistance, &e.expressDistance}, {EntryId::CarCount, &e.carCount},
        {EntryId::RatedLoad, &e.ratedLoad}, {EntryId::FinishingWeight, &e.finishingWeight}};
    const auto found = texts.find(*entry.id());
    return found != texts.end() && found->second->empty();
}

// The door width is emptied exactly with its notice; a refusal that names an entry says what
// is wrong with it; a missing entry is one left empty, and the floors notice is about the floors.
template <class Outcome>
bool checkRefusal(const AnalysisInputs& inputs, const Outcome& outcome)
{
    const auto* refusal = std::get_if<Refusal>(&outcome);
    if (refusal != nullptr) {
        require(refusal->clearDoorWidth == (refusal->notice == Notice::DoorWidthNonStandard), "door width emptied");
        require(refusal->entry.empty() == refusal->reason.empty(), "a named entry has a reason");
        require(refusal->notice != Notice::IncompleteInput || leftEmpty(inputs, refusal->entry),
                "an incomplete entry is empty");
        require(refusal->notice != Notice::FloorsOutOfRange || refusal->entry == EntryRef(EntryId::FloorsServed),
                "the floors notice names the floors");
    }
    return refusal != nullptr;
}

void check(const AnalysisInputs& inputs, const AnalysisOutcome& outcome)
{
    if (checkRefusal(inputs, outcome))
        return;
    if (const auto* single = std::get_if<SingleResult>(&outcome)) {
        for (std::size_t i = 0; i < 6; ++i)
            require(isPlainNumber(single->valueTexts[i]), "every shown figure is a plain number");
        for (std::size_t i = 6; i < 9; ++i) {
            require(single->valueShown(i) ? isPlainNumber(single->valueTexts[i]) : single->valueTexts[i].empty(),
                    "shown texts");
        }
        return;
    }
    const auto& table = std::get<LoadTable>(outcome);
    require(table.rows[0].has_value() == table.rowZeroShown, "row 0 is filled exactly when shown");
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        require(r == 0 || table.rows[r].has_value(), "rows 1 to 15 are always filled");
        for (const std::string& text : table.cellTexts[r])
            require(table.rows[r] ? isPlainNumber(text) : text.empty(), "cell texts are plain numbers");
    }
}

SizingEntries decodeSizing(ByteReader& reader)
{
    SizingEntries entries;
    for (std::string* text : {&entries.hcPercent, &entries.interval, &entries.awt, &entries.maxCars})
        *text = reader.text();
    const int speeds = reader.byte() % 4;
    for (int i = 0; i < speeds; ++i)
        entries.speeds.push_back(reader.text());
    entries.leastCars = reader.text();
    entries.leastLoad = reader.text();
    return entries;
}

// The count and order of the configurations are the sizing property test's; here: any entries.
void checkSizing(const AnalysisInputs& inputs, const SizingResult& result)
{
    if (checkRefusal(inputs, result))
        return;
    const auto& outcome = std::get<SizingOutcome>(result);
    require(!outcome.listed.empty(), "the list is never empty");
    for (const SizingCandidate& c : outcome.listed) {
        require(c.check.allMet() == outcome.met, "listed configurations meet the targets exactly when met");
        require(isPlainNumber(figureText(c.roundTripTime)) && isPlainNumber(figureText(c.interval)) &&
                    isPlainNumber(figureText(c.groupPercent)),
                "listed figures are plain numbers");
    }
    const std::string json = sizingReportJson(outcome);
    require(json.find("nan") == std::string::npos && json.find("inf") == std::string::npos,
            "the report holds numbers only");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ByteReader reader(data, size);
    const AnalysisInputs inputs = decodeInputs(reader);
    check(inputs, runAnalysis(inputs));
    checkSizing(inputs, runSizingSearch(inputs, decodeSizing(reader)));
    return 0;
}
