#include "menu/MenuListEdit.h"

#include "menu/MenuItemModel.h"

#include <algorithm>

void MenuListEdit::insert(int position, const MenuItem &item)
{
    m_steps.push_back({Kind::Insert, position, 0, {}, item});
    apply(m_steps.back(), true);
}

void MenuListEdit::append(const MenuItem &item)
{
    insert(m_model->count() + 1, item);
}

void MenuListEdit::remove(int position)
{
    m_steps.push_back({Kind::Remove, position, 0, m_model->at(position), {}});
    apply(m_steps.back(), true);
}

void MenuListEdit::set(int position, const MenuItem &item)
{
    m_steps.push_back({Kind::Set, position, 0, m_model->at(position), item});
    apply(m_steps.back(), true);
}

void MenuListEdit::setText(int position, const QString &text)
{
    MenuItem item = m_model->at(position);
    item.text = text;
    set(position, item);
}

void MenuListEdit::setSelected(int position, const QString &selected)
{
    MenuItem item = m_model->at(position);
    item.selected = selected;
    set(position, item);
}

void MenuListEdit::swap(int positionA, int positionB)
{
    m_steps.push_back({Kind::Swap, positionA, positionB, {}, {}});
    apply(m_steps.back(), true);
}

void MenuListEdit::move(int from, int to)
{
    m_steps.push_back({Kind::Move, from, to, {}, {}});
    apply(m_steps.back(), true);
}

bool MenuListEdit::changesNothing() const
{
    return std::all_of(m_steps.begin(), m_steps.end(), [](const Step &step) {
        return (step.kind == Kind::Set && step.before == step.after)
               || ((step.kind == Kind::Swap || step.kind == Kind::Move) && step.position == step.other);
    });
}

void MenuListEdit::undo() const
{
    for (auto step = m_steps.rbegin(); step != m_steps.rend(); ++step)
        apply(*step, false);
}

void MenuListEdit::redo() const
{
    for (const Step &step : m_steps)
        apply(step, true);
}

void MenuListEdit::apply(const Step &step, bool forward) const
{
    switch (step.kind) {
    case Kind::Insert:
    case Kind::Remove:
        if ((step.kind == Kind::Insert) == forward)
            m_model->insertItem(step.position, forward ? step.after : step.before);
        else
            m_model->removeItem(step.position);
        break;
    case Kind::Set:
        m_model->setItem(step.position, forward ? step.after : step.before);
        break;
    case Kind::Swap:
        m_model->swapItems(step.position, step.other);
        break;
    case Kind::Move:
        if (forward)
            m_model->moveItem(step.position, step.other);
        else
            m_model->moveItem(step.other, step.position);
        break;
    }
}
