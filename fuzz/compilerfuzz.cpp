// The compile check and the build over a project whose page record (and settings cells) come
// from the fuzzer: whatever the cells hold, neither may read or write out of bounds.
#include "compiler/compilecheck.h"
#include "compiler/kxbuilder.h"

#include <cstring>

using namespace brevix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    // One project for every run; only the two records a run changes are reset (copying the
    // whole project each time would cost more than the check and the build together).
    static Project *project = [] {
        auto *p = new Project;
        p->resetToNew();
        return p;
    }();
    static PageRecord *pristine = [] {
        auto *r = new PageRecord[2];
        Project::CopyRecord(r[0], project->record(0));
        Project::CopyRecord(r[1], project->record(1));
        return r;
    }();
    if (size < 3) // two settings bytes and at least one cell byte
        return 0;
    Project::CopyRecord(project->record(0), pristine[0]);
    Project::CopyRecord(project->record(1), pristine[1]);
    project->settings().Height[0] = data[0] % 12;
    project->settings().WordA[102] = data[1];
    // The per-slot arrays of page 1 (kinds to the end), filled with the input over and over.
    PageRecord &page = project->record(1);
    auto *cells = reinterpret_cast<std::uint8_t *>(&page) + offsetof(PageRecord, Kind);
    const size_t length = sizeof(PageRecord) - offsetof(PageRecord, Kind);
    for (size_t i = 0; i < length; ++i)
        cells[i] = data[2 + i % (size - 2)];
    // Some list texts and header strings as well.
    auto *strings = reinterpret_cast<std::uint8_t *>(&page) + offsetof(PageRecord, ListStrings);
    for (size_t i = 0; i < size - 2 && i < 40000; ++i)
        strings[i * 7 % (kListPoolSize * 31)] = data[2 + i];
    DeviceLists lists;
    lists.link[0].words = {{"D", "8255", 8255, 0}, {"T", "255", 255, 0}};
    lists.link[0].bits = {{"M", "8255", 8255, 0}, {"W", "99", 99, 15}, {"R", "8191", 8191, -1}};
    const CheckResult check = StartCheck(*project, lists);
    const BuildResult build = BuildDownloadImage(*project, BuildInputs{});
    if (build.ok && build.kx.size() > 153600)
        __builtin_trap();
    (void)check;
    return 0;
}
