#pragma once
// One user command's changes to the profile files, written once at its end:
//     ProfileBatch batch(store);
//     ... any number of WriteString / DeleteKey / DeleteSection ...
// The outermost batch's end writes every changed file atomically.
#include "ini/profile_store.h"

class ProfileBatch {
public:
    explicit ProfileBatch(ProfileStore& store) : store_(&store) { store_->BeginBatch(); }
    ~ProfileBatch()
    {
        if (store_)
            store_->EndBatch();
    }
    ProfileBatch(const ProfileBatch&) = delete;
    ProfileBatch& operator=(const ProfileBatch&) = delete;

    // Ends the batch before the scope does, for callers that want to know
    // whether the files were written. Later calls return true.
    bool End()
    {
        if (!store_)
            return true;
        ProfileStore* store = store_;
        store_ = nullptr;
        return store->EndBatch();
    }

private:
    ProfileStore* store_;
};
