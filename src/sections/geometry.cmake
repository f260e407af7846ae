# Section builders and the free point's arithmetic: pure, no Qt, no GL.
list(APPEND QUADREL_GEOMETRY_SOURCES
  sections/plan_commun.cpp
  sections/plans.cpp
  sections/planz.cpp
  sections/section_rules.cpp
  sections/memoire_plan.cpp
  sections/free_point.cpp
)
