# SPDX-License-Identifier: GPL-3.0-or-later
# The one version of Quorvel is the project's (the project() call). Both
# programs read it from a generated header; the package, the man pages and the
# metainfo release list take it from here too. Move QUORVEL_RELEASE_DATE with
# every change of the version.
set(QUORVEL_RELEASE_DATE 2026-12-08)
set(QUORVEL_APP_ID org.quorvel.Quorvel)

configure_file(${CMAKE_CURRENT_LIST_DIR}/QuorvelVersion.h.in ${CMAKE_BINARY_DIR}/generated/QuorvelVersion.h @ONLY)
include_directories(${CMAKE_BINARY_DIR}/generated)
