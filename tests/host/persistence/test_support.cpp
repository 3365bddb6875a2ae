#include "tests/host/persistence/test_support.h"

#include <atomic>
#include <fstream>
#include <sstream>

#include <unistd.h>

RecordingGame::RecordingGame() {
    level = &theLevel;
    setClock(clock);
    rows = 20;
    cols = 30;
    fieldLeft = 10;
    fieldTop = 10;
    ballRadius = 7;
    setFrameCount(kAnimationFrames);
    fieldRight = fieldLeft + cols * kCellPixels;
    fieldBottom = fieldTop + rows * kCellPixels;
    computeCellsToComplete();
    initGeometry();
}

void RecordingGame::recomputeGeometry() {
    calls.push_back("recomputeGeometry");
    fieldLeft += layoutShiftX;
    fieldTop += layoutShiftY;
    fieldRight = fieldLeft + cols * kCellPixels;
    fieldBottom = fieldTop + rows * kCellPixels;
    computeCellsToComplete();
}

void RecordingGame::record(const char* hook, int a, int b) {
    calls.push_back(std::string(hook) + " " + std::to_string(a) + " " + std::to_string(b));
}

std::string RecordingGame::snapshot() const {
    std::ostringstream out;
    const Level& lv = *level;
    out << "rows " << rows << " cols " << cols << " field " << fieldLeft << ' ' << fieldTop << ' '
        << fieldRight << ' ' << fieldBottom << " goal " << cellsToComplete << " paused " << paused
        << " running " << gameRunning << '\n';
    out << "GRID " << lv.GRID << " SPEED " << lv.SPEED << " LOVES " << lv.LOVES << " NBLLS "
        << lv.NBLLS << " CLDNE " << lv.CLDNE << " SCORE " << lv.SCORE << " SLVTM " << lv.SLVTM
        << " LEVTM " << lv.LEVTM << " paused " << lv.pausedTotal << " SPSTM " << lv.SPSTM << '\n';
    for (const auto& row : lv.grid) {
        for (int32_t cell : row) {
            out << cell << ',';
        }
        out << '\n';
    }
    for (const Ball& b : lv.balls) {
        out << b.XOLD << ' ' << b.YOLD << ' ' << b.X << ' ' << b.Y << ' ' << b.endOfList << ' '
            << b.R << ' ' << b.C << ' ' << b.ROLD << ' ' << b.COLD << ' ' << b.DRCT << '\n';
    }
    for (const Bar& b : lv.bars) {
        out << b.SIZE << ' ' << b.XSTART << ' ' << b.YSTART << ' ' << b.XEND << ' ' << b.YEND << ' '
            << b.RSTART << ' ' << b.CSTART << ' ' << b.REND << ' ' << b.CEND << ' ' << b.DRCT << ' '
            << b.ACTIVE << '\n';
    }
    out << "hooks " << calls.size() << '\n';
    return out.str();
}

ScratchFolder::ScratchFolder() {
    static std::atomic<int> counter{0};
    root_ = std::filesystem::temp_directory_path() /
            ("zembal-pers-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code error;
    std::filesystem::remove_all(root_, error);
}

std::string ScratchFolder::path(const std::string& name) const {
    return (root_ / name).string();
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}
