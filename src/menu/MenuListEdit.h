#pragma once

#include "menu/MenuItem.h"

#include <QString>
#include <vector>

class MenuItemModel;

// One change of the item list, made through this class and recorded as it is
// made, so that it can be taken back and made again. Only the rows it touched
// are kept: what an edit costs, and what its record holds, does not grow with
// the list. Positions are 1-based, as the list commands count.
class MenuListEdit {
public:
    explicit MenuListEdit(MenuItemModel *model) : m_model(model) {}

    void insert(int position, const MenuItem &item);
    void append(const MenuItem &item);
    void remove(int position);
    void set(int position, const MenuItem &item);
    void setText(int position, const QString &text);
    void setSelected(int position, const QString &selected);
    // Exchanges two rows in place.
    void swap(int positionA, int positionB);
    // Moves the row at `from` so that it ends at `to`.
    void move(int from, int to);

    // True when the list is as it was before the edit.
    bool changesNothing() const;

    // Takes the edit back, or makes it again, on the list it was made on.
    void undo() const;
    void redo() const;

private:
    enum class Kind { Insert, Remove, Set, Swap, Move };
    struct Step {
        Kind kind;
        int position;
        int other;       // the second row of a swap, where a move ends
        MenuItem before; // the row before a set or a remove
        MenuItem after;  // the row after a set or an insert
    };
    void apply(const Step &step, bool forward) const;

    MenuItemModel *m_model;
    std::vector<Step> m_steps;
};
