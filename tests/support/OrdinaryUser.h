#pragma once

#ifndef _WIN32

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

// Runs `body` with the rights of an ordinary user. Root may read and replace
// any file, so a check of file rights proves nothing as root, and CI runs as
// root: there the body runs in a child process that has become "nobody".
// Files that the body needs must be made inside it, by that user. Failures in
// the child are printed there and fail the test here.
template <typename Body> void asOrdinaryUser(Body&& body) {
    if (::geteuid() != 0) {
        body();
        return;
    }
    const passwd* nobody = ::getpwnam("nobody");
    const uid_t uid = nobody ? nobody->pw_uid : 65534;
    const gid_t gid = nobody ? nobody->pw_gid : 65534;
    std::fflush(nullptr); // or the child would print the parent's pending output again
    const pid_t child = ::fork();
    ASSERT_GE(child, 0) << "fork failed";
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0) {
            std::fprintf(stderr, "could not become an ordinary user\n");
            std::_Exit(3);
        }
        body();
        std::fflush(nullptr);
        std::_Exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "the part run as an ordinary user failed (status " << status << ")";
}

#else

// The read-only attribute binds administrators too: the body runs as it is.
template <typename Body> void asOrdinaryUser(Body&& body) {
    body();
}

#endif
