// tilvora-dict: makes and inspects dictionary files.
#include "DictCommands.h"

#include <iostream>

int main(int argc, char** argv) {
    return tilvora::RunDictTool(tilvora::argument_list_t(argv + 1, argv + argc), std::cout,
                                std::cerr);
}
