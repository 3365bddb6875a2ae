#include "tests/host/persistence/test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <sstream>

#include <unistd.h>

std::string RecordingGame::snapshot() const {
    std::ostringstream out;
    out << rows << ' ' << cols << ' ' << fieldLeft << ' ' << fieldTop << ' ' << fieldRight << ' '
        << fieldBottom << ' ' << cellsToComplete << ' ' << paused << ' ' << gameRunning << ' '
        << calls.size() << '\n';
    // The level's bytes: a reader that changed nothing left every one of them.
    return out.str() + std::string(reinterpret_cast<const char*>(level), sizeof(Level));
}

void setUpSampleGame(RecordingGame& game) {
    game.rows = 15;
    game.cols = 20;
    game.recomputeGeometry();
    game.calls.clear();
    game.clock.now = 6000;
    Level& lv = *game.level;
    lv = Level();
    lv.grid[0][0] = kCellWall;
    lv.grid[0][19] = kCellWall;
    lv.grid[3][4] = kCellBar;
    lv.grid[7][7] = kCellBall;
    lv.grid[14][5] = -1;
    lv.GRID = 1;
    lv.SPEED = 1;
    lv.LOVES = 2;
    lv.NBLLS = 2;
    lv.CLDNE = 17;
    lv.SCORE = 1250;
    lv.SLVTM = 1000;
    lv.LEVTM = 5000;
    lv.pausedTotal = 300;
    lv.SPSTM = 4000;
    lv.balls[0] = Ball{1, 2, 80, 90, 0, 5, 5, 5, 5, kDownRight};
    lv.balls[1] = Ball{0, 0, 150, 100, 0, 6, 10, 6, 10, kUpLeft};
    lv.bars[0] = Bar{14, 94, 52, 94, 40, 3, 6, 2, 6, kUp, 0};
}

std::string sampleSavedGame() {
    const std::string zeros = "DATA:00000000000000000000\r\n";
    std::string rows;
    for (int i = 0; i < 15; ++i) {
        rows += i == 0    ? "DATA:30000000000000000003\r\n"
                : i == 3  ? "DATA:00002000000000000000\r\n"
                : i == 7  ? "DATA:00000001000000000000\r\n"
                : i == 14 ? "DATA:00000/00000000000000\r\n"
                          : zeros;
    }
    return "<HEAD>\r\nROWS:15\r\nCOLS:20\r\nNBLLS:2\r\nGRID:Y\r\nLEFT:10\r\nTOP:10\r\n<BODY>\r\n" +
           rows +
           "SPEED:1\r\nLOVES:2\r\nCLDNE:17\r\nSCORE:1250.000000\r\nSLVTM:1000\r\nLEVTM:5000\r\n"
           "LEVTM:300\r\nSPSTM:4000\r\nSAVTM:6000\r\n</BODY>\r\n"
           "<BALL>\r\nXOLD:1\r\nYOLD:2\r\nX:80\r\nY:90\r\nROLD:5\r\nCOLD:5\r\nR:5\r\nC:5\r\n"
           "DRCT:7\r\n"
           "<BALL>\r\nXOLD:0\r\nYOLD:0\r\nX:150\r\nY:100\r\nROLD:6\r\nCOLD:10\r\nR:6\r\nC:10\r\n"
           "DRCT:4\r\n"
           "<BAR>\r\nSIZE:14\r\nXSTART:94\r\nYSTART:52\r\nXEND:94\r\nYEND:40\r\nRSTART:3\r\n"
           "CSTART:6\r\nREND:2\r\nCEND:6\r\nACTIVE:0\r\nDRCT:0\r\n"
           "<BAR>\r\nSIZE:0\r\nXSTART:0\r\nYSTART:0\r\nXEND:0\r\nYEND:0\r\nRSTART:0\r\n"
           "CSTART:0\r\nREND:0\r\nCEND:0\r\nACTIVE:1\r\nDRCT:0\r\n";
}

std::string editedSample(const LineEdits& edits) {
    std::string text = sampleSavedGame();
    for (const auto& [lines, replacement] : edits) {
        const std::string needle = lines + "\r\n";
        size_t at = 0;
        if (text.compare(0, needle.size(), needle) != 0) {
            at = text.find("\n" + needle);
            if (at == std::string::npos) {
                ADD_FAILURE() << "no line " << lines;
                continue;
            }
            ++at;
        }
        text.replace(at, needle.size(), replacement.empty() ? "" : replacement + "\r\n");
    }
    return text;
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

std::vector<std::string> ScratchFolder::list(const std::string& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(root_ / folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

std::vector<std::string> corpusFiles(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(
             std::string(ZEMBAL_FUZZ_CORPUS) + "/" + folder, error)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path().string());
        }
    }
    return files;
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
