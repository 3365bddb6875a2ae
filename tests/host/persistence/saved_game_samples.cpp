#include "tests/host/persistence/saved_game_samples.h"

#include <gtest/gtest.h>

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
    return "<HEAD>\r\n"
           "ROWS:15\r\n"
           "COLS:20\r\n"
           "NBLLS:2\r\n"
           "GRID:Y\r\n"
           "LEFT:10\r\n"
           "TOP:10\r\n"
           "<BODY>\r\n"
           "DATA:30000000000000000003\r\n"
           "DATA:00000000000000000000\r\n"
           "DATA:00000000000000000000\r\n"
           "DATA:00002000000000000000\r\n"
           "DATA:00000000000000000000\r\n"
           "DATA:00000000000000000000\r\n"
           "DATA:00000000000000000000\r\n"
           "DATA:00000001000000000000\r\n"
           "DATA:00000000000000000000\r\n"
           "DATA:00000000000000000000\r\n"
           "DATA:00000000000000000000\r\n"
           "DATA:00000000000000000000\r\n"
           "DATA:00000000000000000000\r\n"
           "DATA:00000000000000000000\r\n"
           "DATA:00000/00000000000000\r\n"
           "SPEED:1\r\n"
           "LOVES:2\r\n"
           "CLDNE:17\r\n"
           "SCORE:1250.000000\r\n"
           "SLVTM:1000\r\n"
           "LEVTM:5000\r\n"
           "LEVTM:300\r\n"
           "SPSTM:4000\r\n"
           "SAVTM:6000\r\n"
           "</BODY>\r\n"
           "<BALL>\r\nXOLD:1\r\nYOLD:2\r\nX:80\r\nY:90\r\nROLD:5\r\nCOLD:5\r\nR:5\r\nC:5\r\n"
           "DRCT:7\r\n"
           "<BALL>\r\nXOLD:0\r\nYOLD:0\r\nX:150\r\nY:100\r\nROLD:6\r\nCOLD:10\r\nR:6\r\nC:10\r\n"
           "DRCT:4\r\n"
           "<BAR>\r\nSIZE:14\r\nXSTART:94\r\nYSTART:52\r\nXEND:94\r\nYEND:40\r\nRSTART:3\r\n"
           "CSTART:6\r\nREND:2\r\nCEND:6\r\nACTIVE:0\r\nDRCT:0\r\n"
           "<BAR>\r\nSIZE:0\r\nXSTART:0\r\nYSTART:0\r\nXEND:0\r\nYEND:0\r\nRSTART:0\r\n"
           "CSTART:0\r\nREND:0\r\nCEND:0\r\nACTIVE:1\r\nDRCT:0\r\n";
}

std::string replaceLine(const std::string& text, const std::string& line,
                        const std::string& replacement) {
    const std::string needle = line + "\r\n";
    size_t at = 0;
    if (text.compare(0, needle.size(), needle) != 0) {
        at = text.find("\n" + needle);
        if (at == std::string::npos) {
            ADD_FAILURE() << "no line " << line;
            return text;
        }
        ++at;
    }
    const std::string with = replacement.empty() ? "" : replacement + "\r\n";
    return text.substr(0, at) + with + text.substr(at + needle.size());
}

std::string insertAfter(const std::string& text, const std::string& after,
                        const std::string& lines) {
    const std::string needle = after + "\r\n";
    const size_t at = text.find(needle);
    if (at == std::string::npos) {
        ADD_FAILURE() << "no line " << after;
        return text;
    }
    return text.substr(0, at + needle.size()) + lines + text.substr(at + needle.size());
}
