#pragma once
// A write into a pipe whose reader has gone ends a program by SIGPIPE unless it says otherwise.
// Both programs say so first thing: such a write then fails with "Broken pipe" and is handled as
// any failed write is (the window keeps the rider's work, varko-cli names it and exits 1). The
// platform's file (PosixBrokenPipes.cpp) implements it.

namespace varko {

void treatBrokenPipesAsWriteErrors();

} // namespace varko
