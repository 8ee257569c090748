#pragma once
// Field-by-field comparison of two plans, so a failing round trip says which field moved.
#include "QtPrinters.h"
#include "model/HACCP_Plan.h"
#include <gtest/gtest.h>

inline void expectSamePlan(const orvella::model::HACCP_Plan& a,
                           const orvella::model::HACCP_Plan& b) {
    EXPECT_EQ(a.Title, b.Title);
    EXPECT_EQ(a.Facility, b.Facility);
    EXPECT_EQ(a.Site, b.Site);
    EXPECT_EQ(a.Coordinator, b.Coordinator);
    EXPECT_EQ(a.Manager, b.Manager);
    EXPECT_EQ(a.Address1, b.Address1);
    EXPECT_EQ(a.Address2, b.Address2);
    EXPECT_EQ(a.Phone, b.Phone);
    EXPECT_EQ(a.Activity, b.Activity);
    EXPECT_EQ(a.Description, b.Description);
    EXPECT_EQ(a.AnalysisStatus, b.AnalysisStatus);
    EXPECT_TRUE(a.Control == b.Control);
    ASSERT_EQ(a.PotentialHazards.count(), b.PotentialHazards.count());
    for (int i = 1; i <= a.PotentialHazards.count(); ++i) {
        EXPECT_EQ(a.PotentialHazards.item(i)->HazType, b.PotentialHazards.item(i)->HazType);
        EXPECT_EQ(a.PotentialHazards.item(i)->Entity, b.PotentialHazards.item(i)->Entity);
    }
    ASSERT_EQ(a.Tasks.count(), b.Tasks.count());
    for (int i = 1; i <= a.Tasks.count(); ++i) {
        const auto &ta = *a.Tasks.item(i), &tb = *b.Tasks.item(i);
        EXPECT_EQ(ta.Name, tb.Name);
        EXPECT_EQ(ta.Number, tb.Number);
        EXPECT_EQ(ta.Description, tb.Description);
        EXPECT_EQ(ta.CCP_Count(), tb.CCP_Count());
        ASSERT_EQ(ta.TSHazards.count(), tb.TSHazards.count()) << "task " << i;
        for (int j = 1; j <= ta.TSHazards.count(); ++j) {
            const auto &ha = *ta.TSHazards.item(j), &hb = *tb.TSHazards.item(j);
            EXPECT_EQ(ha.HazType, hb.HazType);
            EXPECT_EQ(ha.Entity, hb.Entity);
            EXPECT_EQ(ha.Probable, hb.Probable);
            EXPECT_EQ(ha.Justification, hb.Justification);
            EXPECT_EQ(ha.ControlMeasures, hb.ControlMeasures);
            EXPECT_EQ(ha.IsCCP, hb.IsCCP);
            EXPECT_EQ(ha.Answers, hb.Answers);
            EXPECT_EQ(ha.Ccp, hb.Ccp);
        }
    }
    const auto ccpsA = a.CCPs(), ccpsB = b.CCPs();
    ASSERT_EQ(ccpsA.count(), ccpsB.count());
    ASSERT_EQ(a.UnattachedCCPs.size(), b.UnattachedCCPs.size());
    for (int i = 1; i <= ccpsA.count(); ++i) {
        const auto &ca = *ccpsA.item(i), &cb = *ccpsB.item(i);
        EXPECT_EQ(ca.TaskName, cb.TaskName);
        EXPECT_EQ(ca.TaskNumber, cb.TaskNumber);
        EXPECT_EQ(ca.SigHaz, cb.SigHaz);
        EXPECT_EQ(ca.Control, cb.Control);
        EXPECT_EQ(ca.Limits, cb.Limits);
        EXPECT_EQ(ca.What, cb.What);
        EXPECT_EQ(ca.How, cb.How);
        EXPECT_EQ(ca.When, cb.When);
        EXPECT_EQ(ca.Who, cb.Who);
        EXPECT_EQ(ca.Correction, cb.Correction);
        EXPECT_EQ(ca.SupportDocs, cb.SupportDocs);
        EXPECT_EQ(ca.Verification, cb.Verification);
    }
}
