#include "model/collection_points.h"

#include <stdexcept>
#include <string>

namespace kestrova {

std::shared_ptr<Collection_Points> Collection_Points::AddPoint(int nIndex)
{
    const int count = CountPoint();
    if (nIndex >= 1 && nIndex <= count)
        throw std::invalid_argument("Collection_Points::AddPoint: position "
                                    + std::to_string(nIndex) + " already in use");
    if (nIndex != count + 1)
        throw std::out_of_range("Collection_Points::AddPoint: position " + std::to_string(nIndex)
                                + " is not the next one (" + std::to_string(count + 1) + ")");
    if (count >= kMaxCount)
        throw std::length_error("Collection_Points::AddPoint: the list is full");
    if (!list_)
        list_ = std::make_unique<List>();
    auto element = std::make_shared<Collection_Points>();
    list_->push_back(element);
    return element;
}

void Collection_Points::RemovePoint(int nIndex)
{
    const int count = CountPoint();
    if (count == 0)
        throw std::out_of_range("Collection_Points::RemovePoint: the list is empty");
    if (nIndex < 1)
        throw std::out_of_range("Collection_Points::RemovePoint: position " + std::to_string(nIndex)
                                + " below 1");
    if (nIndex >= count)
        list_->pop_back();
    else if (nIndex == 1)
        list_->pop_front();
    else
        list_->erase(list_->begin() + (nIndex - 1));
}

int Collection_Points::CountPoint() const
{
    return list_ ? static_cast<int>(list_->size()) : 0;
}

std::shared_ptr<Collection_Points> Collection_Points::Point(int nIndex) const
{
    if (nIndex < 1 || nIndex > CountPoint())
        throw std::out_of_range("Collection_Points::Point: no element at position "
                                + std::to_string(nIndex));
    return (*list_)[static_cast<std::size_t>(nIndex - 1)];
}

void EmptyPoints(Collection_Points& points)
{
    const int n = points.CountPoint();
    for (int i = 1; i <= n; ++i)
        points.RemovePoint(i);
}

} // namespace kestrova
