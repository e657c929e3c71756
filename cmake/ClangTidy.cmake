# clang-tidy over the project's own code (filled in next).
