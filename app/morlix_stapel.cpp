// morlix-stapel: runs worlds and patterns without a window.
#include <iostream>
#include <string_view>
#include <vector>

#include "stapel/stapel.h"

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> argumente(argv + 1, argv + argc);
    return stapel::hauptprogramm(argumente, std::cout, std::cerr);
}
