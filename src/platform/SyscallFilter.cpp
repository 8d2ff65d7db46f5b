#include "platform/SyscallFilter.h"

#ifndef QN_NO_SYSCALL_FILTER
#include <seccomp.h>
#include <sys/mman.h>

#include <initializer_list>
#endif

bool SyscallFilter::available()
{
#ifdef QN_NO_SYSCALL_FILTER
    return false;
#else
    return true;
#endif
}

bool SyscallFilter::confine(int answerFd)
{
#ifdef QN_NO_SYSCALL_FILTER
    (void)answerFd;
    return false;
#else
    scmp_filter_ctx filter = seccomp_init(SCMP_ACT_KILL_PROCESS);
    if (!filter)
        return false;
    bool ok = true;
    const auto allow = [&](int call, std::initializer_list<scmp_arg_cmp> conditions = {}) {
        ok = ok
             && seccomp_rule_add_array(filter, SCMP_ACT_ALLOW, call, unsigned(conditions.size()),
                                       conditions.begin())
                    == 0;
    };
    for (int call : {SCMP_SYS(brk), SCMP_SYS(munmap), SCMP_SYS(mremap), SCMP_SYS(madvise), SCMP_SYS(futex),
                     SCMP_SYS(getrandom), SCMP_SYS(rt_sigreturn), SCMP_SYS(exit_group), SCMP_SYS(exit)})
        allow(call);
    const scmp_arg_cmp notExecutable = SCMP_A2(SCMP_CMP_MASKED_EQ, PROT_EXEC, 0);
    allow(SCMP_SYS(mmap), {notExecutable, SCMP_A3(SCMP_CMP_MASKED_EQ, MAP_ANONYMOUS, MAP_ANONYMOUS)});
    allow(SCMP_SYS(mprotect), {notExecutable});
    allow(SCMP_SYS(write), {SCMP_A0(SCMP_CMP_EQ, scmp_datum_t(answerFd))});
    allow(SCMP_SYS(read), {SCMP_A0(SCMP_CMP_EQ, scmp_datum_t(answerFd))}); // a warm worker's requests
    ok = ok && seccomp_load(filter) == 0;
    seccomp_release(filter);
    return ok;
#endif
}
