# Sourced by the build scripts. ccache keys its entries on paths relative to
# the checkout and ignores the build folder's name, so that a fresh clone in
# another folder (as CI makes) takes what earlier builds of any clone put in.
export CCACHE_BASEDIR="$root"
export CCACHE_NOHASHDIR=true
export CCACHE_MAXSIZE="${CCACHE_MAXSIZE:-20G}"
