// The parity scenarios run natively on the simulated Outlook, compared with their golden
// transcripts: parity_check <folder of the transcripts>.
#include <cstdio>

#include "corvane/simaddin/addin_wiring.h"
#include "parity_scenarios.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: parity_check <transcripts folder>\n");
        return 2;
    }
    return corvane::parity::RunAndCompare(argv[1], corvane::simaddin::registerAddinClasses) == 0 ? 0 : 1;
}
