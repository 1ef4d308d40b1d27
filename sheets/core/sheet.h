#pragma once
// An exercise sheet as data: from the list's code, the chosen exercises and
// the number of versions to every version's statements with their numbers and
// every answer as the exercise's window writes it for those numbers. Nothing
// here knows about pages: the document is laid out from this.
#include <set>
#include <string>
#include <vector>

#include "kit/core/drawn_exercise.h"
#include "kit/core/exercise_record.h"

namespace tavek {

inline constexpr int kMinSheetCode = 1000;
inline constexpr int kMaxSheetCode = 9999;
inline constexpr int kMaxVersions = 60;

struct SheetRequest {
    int code = kMinSheetCode; // "Lista 4821": typed again, it gives the same sheets
    std::vector<const ExerciseRecord*> exercises;
    int versions = 1;
};

struct SheetVersion {
    int number = 1;
    std::vector<DrawnExercise> items; // in the order of the request
};

// Makes the versions one at a time, so that a long sheet can report its
// progress and be stopped between two versions.
class SheetMaker {
public:
    explicit SheetMaker(SheetRequest request);
    bool done() const { return next_ > request_.versions; }
    SheetVersion next();

private:
    DrawnExercise item(const ExerciseRecord& exercise, int version, std::set<std::string>& used) const;

    SheetRequest request_;
    int next_ = 1;
    // Per exercise, the statements already given: versions differ while the
    // exercise's ranges allow.
    std::vector<std::set<std::string>> used_;
};

std::vector<SheetVersion> make_sheet(const SheetRequest& request);

} // namespace tavek
