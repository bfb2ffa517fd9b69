// Name conversion and list rendering over a real tree of 2,000 files, against a bare loop of
// the same directory searches. Prints name=value lines on stdout, progress on stderr.
#include "Stopwatch.h"
#include "core/Rendering.h"
#include "core/StandardLibrary.h"
#include "core/Text.h"
#include "platform/win32/TempFolder.h"
#include "platform/win32/Win32DirectorySearch.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

using namespace porutena;

namespace {

// Each pass times every chunk once per side; a chunk's time is its best over the passes.
// Fewer names and more passes than the figures need at the least: the best of five holds
// against a machine loaded by other work, and the run stays short.
constexpr int Passes = 5;
constexpr std::size_t ChunkNames = 100;

using TPathList = std::vector<std::string>;

// Passes searches on to the real one, keeping each path so that they can be counted and
// replayed by the bare loop.
class TRecordingSearch final : public IDirectorySearch {
public:
    explicit TRecordingSearch(const IDirectorySearch& inner) : FInner(inner) {}

    std::optional<TFoundEntry> Find(const std::string& path) const override {
        FPaths.push_back(path);
        return FInner.Find(path);
    }

    // The paths searched since the last call.
    TPathList Take() const { return std::exchange(FPaths, {}); }

private:
    const IDirectorySearch& FInner;
    mutable TPathList FPaths;
};

// Bench Data \ 2 projects \ 2 sections \ 4 chapters \ 5 parts \ 25 files: six components
// below the temporary folder, with spaces (so 8.3 forms differ) and double-byte names.
std::vector<std::string> MakeTree(const TTempFolder& temp) {
    std::vector<std::string> names;
    auto numbered = [](const char* prefix, int n) {
        char text[64];
        std::snprintf(text, sizeof text, "%s %02d", prefix, n);
        return std::string(text);
    };
    temp.MakeDirectory("Bench Data");
    for (int p = 1; p <= 2; ++p) {
        const std::string project = "Bench Data\\" + numbered("Project Alpha", p);
        temp.MakeDirectory(project);
        for (int s = 1; s <= 2; ++s) {
            const std::string section = project + "\\" + numbered("Section Level", s);
            temp.MakeDirectory(section);
            for (int c = 1; c <= 4; ++c) {
                const std::string chapter = section + "\\" + numbered("章 資料", c);
                temp.MakeDirectory(chapter);
                for (int r = 1; r <= 5; ++r) {
                    const std::string part = chapter + "\\" + numbered("Part Folder", r);
                    temp.MakeDirectory(part);
                    for (int f = 1; f <= 25; ++f) {
                        const std::string file =
                            part + "\\" + numbered("Document File", f) + ".txt";
                        temp.MakeFile(file);
                        names.push_back(temp.Path() + "\\" + file);
                    }
                }
            }
        }
    }
    return names;
}

// Components below the root of a drive-absolute name: one per `\`.
std::size_t ComponentCount(const std::string& name) {
    std::size_t count = 0;
    for (std::size_t i = FirstDelimiter("\\", name); i != std::string::npos;
         i = FirstDelimiter("\\", name, i + 1))
        ++count;
    return count;
}

std::size_t BareSearches(const TPathList& paths) {
    std::size_t found = 0;
    for (const std::string& path : paths) {
        WIN32_FIND_DATAA data;
        const HANDLE find = FindFirstFileA(path.c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            found += static_cast<unsigned char>(data.cFileName[0]);
            FindClose(find);
        }
    }
    return found;
}

double TimedMs(const std::function<void()>& run) {
    const TStopwatch watch;
    run();
    return watch.ElapsedMs();
}

// A hundred names with the searches their conversion makes, long and short.
struct TChunk {
    TStringList Names;
    std::vector<TPathList> Paths[2];
};

enum TSide { sdBare, sdConvert, sdRender, SideCount };

// Best time of each chunk, per form (long, short) and side, over the passes; and each pass's
// total, from which the spread of a ratio between the passes comes.
class TBestTimes {
public:
    explicit TBestTimes(std::size_t chunks) {
        for (auto& form : FTimes)
            for (auto& side : form)
                side.assign(chunks, -1.0);
    }

    void Keep(bool shortName, TSide side, int pass, std::size_t chunk, double ms) {
        double& best = FTimes[shortName][side][chunk];
        if (best < 0 || ms < best)
            best = ms;
        FPassMs[shortName][side][pass] += ms;
    }

    double TotalMs(bool shortName, TSide side) const {
        double total = 0;
        for (const double ms : FTimes[shortName][side])
            total += ms;
        return total;
    }

    // Highest less lowest of the passes' ratios of side `a` to side `b`.
    double RatioSpread(bool shortName, TSide a, TSide b) const {
        double low = 0;
        double high = 0;
        for (int pass = 0; pass < Passes; ++pass) {
            const double ratio = FPassMs[shortName][a][pass] / FPassMs[shortName][b][pass];
            low = pass == 0 ? ratio : std::min(low, ratio);
            high = pass == 0 ? ratio : std::max(high, ratio);
        }
        return high - low;
    }

private:
    std::vector<double> FTimes[2][SideCount];
    double FPassMs[2][SideCount][Passes] = {};
};

void Print(const char* name, double value) {
    std::printf("%s=%.3f\n", name, value);
}

} // namespace

int main() {
    const TTempFolder temp("porutena-bench-");
    const TStopwatch setup;
    const std::vector<std::string> names = MakeTree(temp);
    std::fprintf(stderr, "tree of %zu files made in %.0f ms\n", names.size(), setup.ElapsedMs());
    const TWin32DirectorySearch search;

    std::size_t components = 0;
    for (const std::string& name : names)
        components += ComponentCount(name);

    // One recorded conversion per form and name: checks the result and gives the bare loop
    // exactly the searches the conversion makes for that name.
    const TRecordingSearch recorder(search);
    std::vector<TChunk> chunks;
    std::size_t searches = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i % ChunkNames == 0)
            chunks.emplace_back();
        TChunk& chunk = chunks.back();
        const std::string& name = names[i];
        chunk.Names.push_back(name);
        const std::string shortName = ConvertFileName(name, true, recorder);
        chunk.Paths[true].push_back(recorder.Take());
        if (ConvertFileName(name, false, recorder) != name || shortName.empty() ||
            shortName == name) {
            std::fprintf(stderr, "conversion failed: %s\n", name.c_str());
            return 1;
        }
        chunk.Paths[false].push_back(recorder.Take());
        searches += chunk.Paths[true].back().size() + chunk.Paths[false].back().size();
    }

    // Rendering makes the same searches as the conversion.
    for (const auto length : {TFileViewLength::fvlLongName, TFileViewLength::fvlShortName}) {
        const TStringList rows =
            RenderList(names, {TFileViewStyle::fvsFullPath, length, TPathSep::psYen}, recorder);
        searches += recorder.Take().size();
        if (length == TFileViewLength::fvlLongName && rows != names) {
            std::fprintf(stderr, "rendering changed the names\n");
            return 1;
        }
    }
    std::fprintf(stderr, "checked at %.0f ms\n", setup.ElapsedMs());

    // The three sides take turns chunk by chunk, in an order that rotates with chunk and pass,
    // so that the load of the machine and warm caches fall on every side alike; the best of
    // the passes counts.
    std::size_t sink = 0;
    TBestTimes best(chunks.size());
    for (int pass = 0; pass < Passes; ++pass) {
        for (std::size_t c = 0; c < chunks.size(); ++c) {
            const TChunk& chunk = chunks[c];
            for (const bool shortName : {false, true}) {
                const TViewOptions options{TFileViewStyle::fvsFullPath,
                                           shortName ? TFileViewLength::fvlShortName
                                                     : TFileViewLength::fvlLongName,
                                           TPathSep::psYen};
                const std::function<void()> sides[SideCount] = {
                    [&] {
                        for (const TPathList& paths : chunk.Paths[shortName])
                            sink += BareSearches(paths);
                    },
                    [&] {
                        for (const std::string& name : chunk.Names)
                            sink += ConvertFileName(name, shortName, search).size();
                    },
                    [&] { sink += RenderList(chunk.Names, options, search).size(); },
                };
                for (int turn = 0; turn < SideCount; ++turn) {
                    const auto side = static_cast<TSide>((c + pass + turn) % SideCount);
                    best.Keep(shortName, side, pass, c, TimedMs(sides[side]));
                }
            }
        }
        std::fprintf(stderr, "pass %d done at %.0f ms\n", pass + 1, setup.ElapsedMs());
    }

    const double count = static_cast<double>(names.size());
    auto perName = [&](bool shortName, TSide side) {
        return best.TotalMs(shortName, side) * 1000.0 / count;
    };
    auto ratio = [&](bool shortName) {
        return best.TotalMs(shortName, sdConvert) / best.TotalMs(shortName, sdBare);
    };
    auto spread = [&](bool shortName) { return best.RatioSpread(shortName, sdConvert, sdBare); };
    const bool shortWorse = ratio(true) > ratio(false);
    std::printf("files=%zu\n", names.size());
    Print("components_per_name", static_cast<double>(components) / count);
    // Four conversions of every name: long, short, and a rendering in each form.
    Print("searches_per_component", static_cast<double>(searches) / (4.0 * components));
    Print("bare_search_long_us_per_name", perName(false, sdBare));
    Print("convert_long_us_per_name", perName(false, sdConvert));
    Print("render_long_us_per_name", perName(false, sdRender));
    Print("bare_search_short_us_per_name", perName(true, sdBare));
    Print("convert_short_us_per_name", perName(true, sdConvert));
    Print("render_short_us_per_name", perName(true, sdRender));
    // Each ratio with its spread between the passes, so that a figure near its limit can be
    // told from noise.
    Print("convert_long_vs_bare_search", ratio(false));
    Print("convert_long_vs_bare_search_spread", spread(false));
    Print("convert_short_vs_bare_search", ratio(true));
    Print("convert_short_vs_bare_search_spread", spread(true));
    Print("convert_vs_bare_search", ratio(shortWorse));
    Print("convert_vs_bare_search_spread", spread(shortWorse));
    std::fprintf(stderr, "done in %.0f ms (checksum %zu)\n", setup.ElapsedMs(), sink);
    return 0;
}
