#pragma once

// Confines a worker process to the system calls of a computation in memory
// (seccomp, through libseccomp), so that a fault in the code it runs (the
// HTML parser, which reads hostile pages) cannot open a file or a socket,
// start a program or signal another process. Allowed after confine():
// - memory: brk, munmap, mremap, madvise, and mmap and mprotect of memory
//   that is never executable, anonymous mmap only;
// - write on the one descriptor that carries the answer, and read on it (a
//   worker kept warm takes its requests there; a forked job's input is in
//   its memory already);
// - what glibc itself may call inside malloc and free: futex (a lock taken
//   by another thread shows as a wait), getrandom (the allocator's key);
// - rt_sigreturn, exit_group and exit.
// Any other call kills the process by SIGSYS, which its parent sees as a
// crash. Under AddressSanitizer or UndefinedBehaviorSanitizer (the build's
// QUILLNAV_SANITIZE or QUILLNAV_FUZZ) there is no filter: their runtime
// needs more calls (reading /proc, writing its reports).
namespace SyscallFilter {

// Whether confine() installs a filter in this build.
bool available();

// Installs the filter for the calling process, and sets no_new_privs; false
// when the system refused it (or in a build without it).
bool confine(int answerFd);

} // namespace SyscallFilter
