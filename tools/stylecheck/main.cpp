#include "tools/stylecheck/StyleCheck.h"

#include <iostream>

int main(int a_argc, char** a_argv) {
    return StyleCheck::run(std::vector<std::string>(a_argv + 1, a_argv + a_argc), std::cout,
                           std::cerr);
}
