#include "sheets/core/sheet.h"

namespace tavek {

SheetMaker::SheetMaker(SheetRequest request) : request_(std::move(request)), used_(request_.exercises.size()) {}

SheetVersion SheetMaker::next()
{
    SheetVersion v;
    v.number = next_++;
    for (std::size_t i = 0; i < request_.exercises.size(); ++i)
        v.items.push_back(item(*request_.exercises[i], v.number, used_[i]));
    return v;
}

DrawnExercise SheetMaker::item(const ExerciseRecord& exercise, int version, std::set<std::string>& used) const
{
    SeededRandom random(request_.code, exercise.id, version);
    return draw_exercise(exercise, random, used);
}

std::vector<SheetVersion> make_sheet(const SheetRequest& request)
{
    std::vector<SheetVersion> r;
    r.reserve(static_cast<std::size_t>(request.versions));
    for (SheetMaker maker(request); !maker.done();)
        r.push_back(maker.next());
    return r;
}

} // namespace tavek
