#pragma once
// The string-list interface shared by a row's cell list and the grid's row and column
// views: indexed texts, each with an object reference.

#include "grids/GridTypes.h"

#include <QString>
#include <QStringList>

class TGridStrings {
public:
    TGridStrings() = default;
    TGridStrings(const TGridStrings&) = delete;
    TGridStrings& operator=(const TGridStrings&) = delete;
    virtual ~TGridStrings() = default;

    virtual int Count() const = 0;
    virtual QString Get(int index) const = 0;
    virtual void Put(int index, const QString& text) = 0;
    virtual TGridObject GetObject(int index) const = 0;
    virtual void PutObject(int index, TGridObject object) = 0;
    virtual void Insert(int index, const QString& text) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    // Appends and returns the new position.
    virtual int Add(const QString& text);
    int AddObject(const QString& text, TGridObject object);
    virtual void Exchange(int a, int b);
    // Replaces the content by the source's texts and objects.
    virtual void Assign(const TGridStrings& source);

    // Update batches nest; the list hears only the outermost begin and end.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    QStringList ToStringList() const;

protected:
    virtual void SetUpdateState(bool /*updating*/) {}

private:
    int updateCount_ = 0;
};

// Ends an update batch of a string list when it goes out of scope.
class TStringsUpdateGuard {
public:
    explicit TStringsUpdateGuard(TGridStrings& strings) : strings_(strings) { strings_.BeginUpdate(); }
    ~TStringsUpdateGuard() { strings_.EndUpdate(); }
    TStringsUpdateGuard(const TStringsUpdateGuard&) = delete;
    TStringsUpdateGuard& operator=(const TStringsUpdateGuard&) = delete;

private:
    TGridStrings& strings_;
};
