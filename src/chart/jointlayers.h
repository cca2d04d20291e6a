// Joined layers: a layer's x or y range can follow another layer's, so that several layers move
// together when one of them is zoomed or panned. Joining is one level deep: only an independent
// layer can control others, and a layer that controls others cannot itself be joined.
#pragma once

#include "chart/itempass/layers.h"
#include "platform/controls/exceptions.h"

#include <QObject>

#include <functional>
#include <vector>

class EVRXRChartError : public EVRXError {
public:
    using EVRXError::EVRXError;
};

enum class JointAxis { X, Y };

// Published accessors of one table entry (LnnxControlledBy and its setter).
#define KYVELO_JOINT_ENTRY(name, axis, layer)                                                                \
    int L##name##ControlledBy() const {                                                                      \
        return ControlledBy(axis, layer);                                                                    \
    }                                                                                                        \
    void SetL##name##ControlledBy(int value) {                                                               \
        SetControlledBy(axis, layer, value);                                                                 \
    }

class TJointLayers : public QObject {
    Q_OBJECT
    Q_PROPERTY(int L01xControlledBy READ L01xControlledBy WRITE SetL01xControlledBy)
    Q_PROPERTY(int L02xControlledBy READ L02xControlledBy WRITE SetL02xControlledBy)
    Q_PROPERTY(int L03xControlledBy READ L03xControlledBy WRITE SetL03xControlledBy)
    Q_PROPERTY(int L04xControlledBy READ L04xControlledBy WRITE SetL04xControlledBy)
    Q_PROPERTY(int L05xControlledBy READ L05xControlledBy WRITE SetL05xControlledBy)
    Q_PROPERTY(int L06xControlledBy READ L06xControlledBy WRITE SetL06xControlledBy)
    Q_PROPERTY(int L07xControlledBy READ L07xControlledBy WRITE SetL07xControlledBy)
    Q_PROPERTY(int L08xControlledBy READ L08xControlledBy WRITE SetL08xControlledBy)
    Q_PROPERTY(int L09xControlledBy READ L09xControlledBy WRITE SetL09xControlledBy)
    Q_PROPERTY(int L10xControlledBy READ L10xControlledBy WRITE SetL10xControlledBy)
    Q_PROPERTY(int L11xControlledBy READ L11xControlledBy WRITE SetL11xControlledBy)
    Q_PROPERTY(int L12xControlledBy READ L12xControlledBy WRITE SetL12xControlledBy)
    Q_PROPERTY(int L13xControlledBy READ L13xControlledBy WRITE SetL13xControlledBy)
    Q_PROPERTY(int L14xControlledBy READ L14xControlledBy WRITE SetL14xControlledBy)
    Q_PROPERTY(int L15xControlledBy READ L15xControlledBy WRITE SetL15xControlledBy)
    Q_PROPERTY(int L16xControlledBy READ L16xControlledBy WRITE SetL16xControlledBy)
    Q_PROPERTY(int L01yControlledBy READ L01yControlledBy WRITE SetL01yControlledBy)
    Q_PROPERTY(int L02yControlledBy READ L02yControlledBy WRITE SetL02yControlledBy)
    Q_PROPERTY(int L03yControlledBy READ L03yControlledBy WRITE SetL03yControlledBy)
    Q_PROPERTY(int L04yControlledBy READ L04yControlledBy WRITE SetL04yControlledBy)
    Q_PROPERTY(int L05yControlledBy READ L05yControlledBy WRITE SetL05yControlledBy)
    Q_PROPERTY(int L06yControlledBy READ L06yControlledBy WRITE SetL06yControlledBy)
    Q_PROPERTY(int L07yControlledBy READ L07yControlledBy WRITE SetL07yControlledBy)
    Q_PROPERTY(int L08yControlledBy READ L08yControlledBy WRITE SetL08yControlledBy)
    Q_PROPERTY(int L09yControlledBy READ L09yControlledBy WRITE SetL09yControlledBy)
    Q_PROPERTY(int L10yControlledBy READ L10yControlledBy WRITE SetL10yControlledBy)
    Q_PROPERTY(int L11yControlledBy READ L11yControlledBy WRITE SetL11yControlledBy)
    Q_PROPERTY(int L12yControlledBy READ L12yControlledBy WRITE SetL12yControlledBy)
    Q_PROPERTY(int L13yControlledBy READ L13yControlledBy WRITE SetL13yControlledBy)
    Q_PROPERTY(int L14yControlledBy READ L14yControlledBy WRITE SetL14yControlledBy)
    Q_PROPERTY(int L15yControlledBy READ L15yControlledBy WRITE SetL15yControlledBy)
    Q_PROPERTY(int L16yControlledBy READ L16yControlledBy WRITE SetL16yControlledBy)
public:
    explicit TJointLayers(QObject* parent = nullptr) : QObject(parent) {}

    // Entry n is the layer whose range layer n follows; n itself means independent. Layer numbers
    // outside 1..16 read as independent.
    int ControlledBy(JointAxis axis, int layer) const;
    // Joins layer to controller (or releases it when both are equal); raises EVRXRChartError on an
    // invalid request and then leaves both tables unchanged.
    void SetControlledBy(JointAxis axis, int layer, int controller);
    // The layers other than `layer` whose axis follows it, in ascending order.
    std::vector<int> Followers(JointAxis axis, int layer) const;
    // Copies both tables and notifies.
    void Assign(const TJointLayers& other);

    // Called after a join, to give the joined layer its controller's range.
    std::function<void(JointAxis axis, int layer)> OnJoined;
    // Called after every effective change.
    std::function<void()> OnChange;

#ifndef Q_MOC_RUN
    KYVELO_JOINT_ENTRY(01x, JointAxis::X, 1)
    KYVELO_JOINT_ENTRY(02x, JointAxis::X, 2)
    KYVELO_JOINT_ENTRY(03x, JointAxis::X, 3)
    KYVELO_JOINT_ENTRY(04x, JointAxis::X, 4)
    KYVELO_JOINT_ENTRY(05x, JointAxis::X, 5)
    KYVELO_JOINT_ENTRY(06x, JointAxis::X, 6)
    KYVELO_JOINT_ENTRY(07x, JointAxis::X, 7)
    KYVELO_JOINT_ENTRY(08x, JointAxis::X, 8)
    KYVELO_JOINT_ENTRY(09x, JointAxis::X, 9)
    KYVELO_JOINT_ENTRY(10x, JointAxis::X, 10)
    KYVELO_JOINT_ENTRY(11x, JointAxis::X, 11)
    KYVELO_JOINT_ENTRY(12x, JointAxis::X, 12)
    KYVELO_JOINT_ENTRY(13x, JointAxis::X, 13)
    KYVELO_JOINT_ENTRY(14x, JointAxis::X, 14)
    KYVELO_JOINT_ENTRY(15x, JointAxis::X, 15)
    KYVELO_JOINT_ENTRY(16x, JointAxis::X, 16)
    KYVELO_JOINT_ENTRY(01y, JointAxis::Y, 1)
    KYVELO_JOINT_ENTRY(02y, JointAxis::Y, 2)
    KYVELO_JOINT_ENTRY(03y, JointAxis::Y, 3)
    KYVELO_JOINT_ENTRY(04y, JointAxis::Y, 4)
    KYVELO_JOINT_ENTRY(05y, JointAxis::Y, 5)
    KYVELO_JOINT_ENTRY(06y, JointAxis::Y, 6)
    KYVELO_JOINT_ENTRY(07y, JointAxis::Y, 7)
    KYVELO_JOINT_ENTRY(08y, JointAxis::Y, 8)
    KYVELO_JOINT_ENTRY(09y, JointAxis::Y, 9)
    KYVELO_JOINT_ENTRY(10y, JointAxis::Y, 10)
    KYVELO_JOINT_ENTRY(11y, JointAxis::Y, 11)
    KYVELO_JOINT_ENTRY(12y, JointAxis::Y, 12)
    KYVELO_JOINT_ENTRY(13y, JointAxis::Y, 13)
    KYVELO_JOINT_ENTRY(14y, JointAxis::Y, 14)
    KYVELO_JOINT_ENTRY(15y, JointAxis::Y, 15)
    KYVELO_JOINT_ENTRY(16y, JointAxis::Y, 16)
#endif

private:
    using Table = PerLayer<int>;
    static Table independent();
    Table& table(JointAxis axis) {
        return axis == JointAxis::X ? FX : FY;
    }
    const Table& table(JointAxis axis) const {
        return axis == JointAxis::X ? FX : FY;
    }
    void notify();

    Table FX = independent();
    Table FY = independent();
};

#undef KYVELO_JOINT_ENTRY
