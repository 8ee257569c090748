#!/usr/bin/env python3
"""Writes the starter plans (resources/starters/{en,es}/*.xml) from the texts below.
Pass each through `orvella-cli resave` afterwards so the bytes are the writer's own."""
import os, sys
sys.path.insert(0, os.path.dirname(__file__))
from starter_texts import PLANS

OUT = os.path.join(os.path.dirname(__file__), '..', 'resources', 'starters')
PATHS = {'C': [(1, 'Yes'), (2, 'Yes')],                       # a CCP
         'L': [(1, 'Yes'), (2, 'No'), (3, 'Yes'), (4, 'Yes')],  # a later step controls it
         'N': [(1, 'Yes'), (2, 'No'), (3, 'No')]}               # cannot grow to a harm here

def field(out, tag, value):
    out += ['<%s>' % tag, value, '</%s>' % tag]

def plan_text(p, lang):
    L = 0 if lang == 'en' else 1
    out = ['<?xml version="1.0"?>', '<HACCP>']
    field(out, 'Title', p['title'][L])
    for tag in ('Facility', 'ProjectCoordinator', 'SiteManager', 'AddressLine1', 'AddressLine2',
                'Phone', 'Site'):
        field(out, tag, '')
    field(out, 'Activity', p['activity'][L])
    field(out, 'ProjectDescription', p['description'][L])
    for kind, names in p['hazards']:
        out.append('<Hazard>'); field(out, 'HazType', kind); field(out, 'Entity', names[L])
        out.append('</Hazard>')
    ccps = []
    for n, (desc, pairs) in enumerate(p['tasks'], 1):
        name = ('Task # %d' if L == 0 else 'Trabajo %2d') % n
        out.append('<Task>'); field(out, 'Name', name); field(out, 'Number', ' %d ' % n)
        field(out, 'Description', desc[L])
        field(out, 'CCP_Count', ' %d ' % sum(1 for q in pairs if q[2] == 'C'))
        for h, just, verdict, control, ccp in pairs:
            kind, names = p['hazards'][h]
            out.append('<TaskHazard>'); field(out, 'Entity', names[L]); field(out, 'Type', kind)
            field(out, 'Probable', 'No' if verdict == '-' else 'Yes')
            field(out, 'Justification', just[L])
            if verdict != '-':
                field(out, 'ControlMeasures', control[L] + ' ')
                field(out, 'CCP', 'True' if verdict == 'C' else 'False')
                for q, a in PATHS[verdict]:
                    field(out, 'Q%d' % q, a)
            field(out, 'Reviewed', 'No')
            out.append('</TaskHazard>')
            if verdict == 'C':
                ccps.append((name + ': ' + desc[L], n, kind + ': ' + names[L], control[L],
                             [x[L] for x in ccp]))
        out.append('</Task>')
    for tname, n, sighaz, control, d in ccps:
        out.append('<CCP>'); field(out, 'Name', tname); field(out, 'TaskNumber', ' %d ' % n)
        field(out, 'SigHaz', sighaz); field(out, 'Control', control)
        for tag, v in zip(('Limits', 'What', 'How', 'Frequency', 'Who', 'Correction',
                           'Documents'), d):
            field(out, tag, v)
        out.append('</CCP>')
    field(out, 'AnalysisStatus', '1/15/2026 9:00:00 AM' if L == 0 else '15/01/2026 9:00:00')
    out.append('</HACCP>')
    return '\r\n'.join(out) + '\r\n'

for key, p in PLANS.items():
    for lang in ('en', 'es'):
        path = os.path.join(OUT, lang, key + '.xml')
        with open(path, 'wb') as f:
            f.write(plan_text(p, lang).encode('cp1252'))
