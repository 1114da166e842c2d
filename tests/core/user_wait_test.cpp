// A command holds the lock on its files, but not while it waits for the user:
// another process's command may run then, unless the command has changes of
// a batch still unwritten. An inner command under the wait (a dialog's OK, a
// timer tick) takes the lock for itself.
#include "tests/core/plan_fixture.h"

#include "core/command_scope.h"
#include "core/user_wait.h"
#include "ini/file_lock.h"
#include "ini/profile_batch.h"

TEST_F(PlanTest, ACommandGivesItsLockBackOnlyWhileItWaitsForTheUser)
{
    // Another handle conflicts with the command's as another process would.
    const auto othersMayLock = [&] {
        FileLock other;
        return other.Open(folder.File("stundwerk.lock")) && other.Lock(0);
    };
    const CommandScope command(frame);
    ASSERT_TRUE(command.Held());
    EXPECT_FALSE(othersMayLock());
    {
        const UserWait wait(frame);
        EXPECT_TRUE(othersMayLock());
        {
            const CommandScope dialogOk(frame);
            EXPECT_TRUE(dialogOk.Held());
            EXPECT_FALSE(othersMayLock());
        }
        EXPECT_TRUE(othersMayLock());
    }
    EXPECT_FALSE(othersMayLock());
    {
        ProfileBatch batch(store);
        const UserWait wait(frame);
        EXPECT_FALSE(othersMayLock());
    }
    EXPECT_FALSE(othersMayLock());
}
