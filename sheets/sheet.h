#pragma once
// An exercise sheet as data: from the list's code, the chosen exercises and
// the number of versions to every version's statements with their numbers and
// every answer as the exercise's window writes it for those numbers. Nothing
// here knows about pages: the document is laid out from this.
#include <set>
#include <string>
#include <vector>

#include "kit/core/exercise_record.h"
#include "kit/core/outcome.h"

namespace tavek {

inline constexpr int kMinSheetCode = 1000;
inline constexpr int kMaxSheetCode = 9999;
inline constexpr int kMaxVersions = 60;

struct SheetRequest {
    int code = kMinSheetCode; // "Lista 4821": typed again, it gives the same sheets
    std::vector<const ExerciseRecord*> exercises;
    int versions = 1;
};

// A given quantity as the window names it and as it is typed there ("12,5").
struct SheetDatum {
    std::string label;
    std::string value;
    std::string unit;
    bool drawn = false; // the window draws it itself: stated, not typed
};

// One press of the window's calculator; an exercise of several conversions
// has one for each.
struct SheetPart {
    std::string label; // "a) 350 mm", or empty
    Cells cells;
    Outcome outcome;
    // The texts the window writes, in its order; a result cell's text after
    // the caption beside it.
    std::vector<std::string> answers;
};

struct SheetItem {
    const ExerciseRecord* exercise = nullptr;
    std::string statement;
    std::vector<SheetDatum> data;
    std::vector<SheetPart> parts;
};

struct SheetVersion {
    int number = 1;
    std::vector<SheetItem> items; // in the order of the request
};

// Makes the versions one at a time, so that a long sheet can report its
// progress and be stopped between two versions.
class SheetMaker {
public:
    explicit SheetMaker(SheetRequest request);
    bool done() const { return next_ > request_.versions; }
    SheetVersion next();

private:
    SheetItem item(const ExerciseRecord& exercise, int version, std::set<std::string>& used) const;

    SheetRequest request_;
    int next_ = 1;
    // Per exercise, the statements already given: versions differ while the
    // exercise's ranges allow.
    std::vector<std::set<std::string>> used_;
};

std::vector<SheetVersion> make_sheet(const SheetRequest& request);

// "12,5 m", "30°", "0,25": a value with its unit as the statements print it.
std::string with_unit(const std::string& value, const std::string& unit);

// The answers are definite: no message, no fault, something answered, no
// number beyond `digits` whole digits and none the window writes as zero.
bool definite(const Outcome& outcome, int digits);

} // namespace tavek
