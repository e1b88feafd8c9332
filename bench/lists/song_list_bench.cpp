// The song lists at 100,000 rows. On the rows alone (SongRows): reading a list's text into rows,
// moving a block of 1,000 selected rows a place, deleting a block of 10,000 rows, adding 1,000.
// Through the list view (offscreen, shown): the same, as the window's commands do them, and
// deleting a selection of many separate blocks (all but every tenth row). The
// counter max_rss_mib is the process's largest resident size so far.
//   song_list_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <string>
#include <vector>

#include <QApplication>
#include <QItemSelectionModel>
#include <QTreeView>

#include "player/model/song_list_text.h"
#include "player/model/song_rows.h"
#include "player/shell/lists/song_list_view.h"
#include "player/shell/window/row_commands.h"

namespace {

constexpr int kRows = 100000;
constexpr int kBlock = 1000;
constexpr int kDeleted = 10000;

std::vector<SongListSong> Songs(int count, int first = 0) {
    std::vector<SongListSong> songs;
    songs.reserve(static_cast<std::size_t>(count));
    for (int i = first; i < first + count; ++i) {
        const std::string name = std::to_string(i);
        songs.push_back(
            {static_cast<std::uint32_t>(60 + i % 600),
             "/home/user/music/album " + name + "/song " + name + ".mid",
             u"A song of the long list, number " + std::u16string(name.begin(), name.end())});
    }
    return songs;
}

const std::string& ListText() {
    static const std::string text = WriteListText(u"Long list", Songs(kRows));
    return text;
}

void MaxRss(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["max_rss_mib"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

RowFlags Block(int first, int count) {
    RowFlags flags(kRows);
    for (int row = first; row < first + count; ++row) flags[static_cast<std::size_t>(row)] = 1;
    return flags;
}

void BM_RowsOpen(benchmark::State& state) {
    for (auto _ : state) {
        SongRows rows;
        rows.Assign(ReadListSongs(ListText()));
        benchmark::DoNotOptimize(rows.Count());
    }
    MaxRss(state);
}
BENCHMARK(BM_RowsOpen)->Unit(benchmark::kMillisecond);

void BM_RowsMoveBlock(benchmark::State& state) {
    SongRows rows;
    rows.Assign(Songs(kRows));
    RowFlags chosen = Block(kRows / 2, kBlock);
    int step = -1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rows.MoveBlocks(chosen, step));
        step = -step;
    }
}
BENCHMARK(BM_RowsMoveBlock)->Unit(benchmark::kMillisecond);

void BM_RowsDeleteBlock(benchmark::State& state) {
    const std::vector<SongListSong> songs = Songs(kRows);
    const RowFlags chosen = Block(kRows / 2, kDeleted);
    for (auto _ : state) {
        state.PauseTiming();
        SongRows rows;
        rows.Assign(songs);
        state.ResumeTiming();
        rows.Remove(chosen);
    }
}
BENCHMARK(BM_RowsDeleteBlock)->Unit(benchmark::kMillisecond);

void BM_RowsAddBlock(benchmark::State& state) {
    const std::vector<SongListSong> songs = Songs(kRows);
    const std::vector<SongListSong> added = Songs(kBlock, kRows);
    for (auto _ : state) {
        state.PauseTiming();
        SongRows rows;
        rows.Assign(songs);
        state.ResumeTiming();
        rows.Append(added);
    }
}
BENCHMARK(BM_RowsAddBlock)->Unit(benchmark::kMillisecond);

// The list view as the main window has it, shown offscreen, its rows laid out.
struct ShownView {
    QTreeView view;
    ShownView() {
        SetupSongListView(&view, 160, 40);
        view.resize(640, 480);
        view.show();
    }
    void Show(const std::vector<SongListSong>& songs) {
        ShownRows(&view)->Assign(songs);
        FocusRow(&view, 0, true);
        Settle();
    }
    void Focus(int row) {
        view.selectionModel()->setCurrentIndex(view.model()->index(row, 0),
                                               QItemSelectionModel::NoUpdate);
    }
    void Select(int first, int count) {
        const QItemSelection block(view.model()->index(first, 0),
                                   view.model()->index(first + count - 1, 0));
        view.selectionModel()->select(
            block, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    // Every row but each gap-th: rows / gap separate blocks of gap - 1 rows.
    void SelectAllBut(int gap) {
        QItemSelection blocks;
        for (int first = 1; first < kRows; first += gap) {
            const int last = std::min(first + gap - 2, kRows - 1);
            blocks.select(view.model()->index(first, 0), view.model()->index(last, 0));
        }
        view.selectionModel()->select(
            blocks, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    static void Settle() { QApplication::processEvents(); }
};

void BM_ViewOpen(benchmark::State& state) {
    ShownView shown;
    for (auto _ : state) shown.Show(ReadListSongs(ListText()));
    MaxRss(state);
}
BENCHMARK(BM_ViewOpen)->Unit(benchmark::kMillisecond);

void BM_ViewMoveBlock(benchmark::State& state) {
    ShownView shown;
    shown.Show(Songs(kRows));
    shown.Select(kRows / 2, kBlock);
    int step = -1;
    for (auto _ : state) {
        MoveSelectedRows(&shown.view, step);
        ShownView::Settle();
        step = -step;
    }
}
BENCHMARK(BM_ViewMoveBlock)->Unit(benchmark::kMillisecond);

void BM_ViewDeleteBlock(benchmark::State& state) {
    ShownView shown;
    const std::vector<SongListSong> songs = Songs(kRows);
    for (auto _ : state) {
        state.PauseTiming();
        shown.Show(songs);
        shown.Select(kRows / 2, kDeleted);
        state.ResumeTiming();
        DeleteSelectedRows(&shown.view);
        ShownView::Settle();
    }
}
BENCHMARK(BM_ViewDeleteBlock)->Unit(benchmark::kMillisecond);

void BM_ViewDeleteEveryRow(benchmark::State& state) {
    ShownView shown;
    const std::vector<SongListSong> songs = Songs(kRows);
    for (auto _ : state) {
        state.PauseTiming();
        shown.Show(songs);
        shown.Select(0, kRows);
        state.ResumeTiming();
        DeleteSelectedRows(&shown.view);
        ShownView::Settle();
    }
}
BENCHMARK(BM_ViewDeleteEveryRow)->Unit(benchmark::kMillisecond);

// Select all but every tenth row, Delete: 10,000 separate blocks of 9 rows.
void BM_ViewDeleteScattered(benchmark::State& state) {
    ShownView shown;
    const std::vector<SongListSong> songs = Songs(kRows);
    for (auto _ : state) {
        state.PauseTiming();
        shown.Show(songs);
        shown.Focus(kRows / 2);
        shown.SelectAllBut(static_cast<int>(state.range(0)));
        state.ResumeTiming();
        DeleteSelectedRows(&shown.view);
        ShownView::Settle();
    }
}
BENCHMARK(BM_ViewDeleteScattered)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_ViewAddBlock(benchmark::State& state) {
    ShownView shown;
    const std::vector<SongListSong> songs = Songs(kRows);
    const std::vector<SongListSong> added = Songs(kBlock, kRows);
    for (auto _ : state) {
        state.PauseTiming();
        shown.Show(songs);
        state.ResumeTiming();
        ShownRows(&shown.view)->Append(added);
        ShownView::Settle();
    }
}
BENCHMARK(BM_ViewAddBlock)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
