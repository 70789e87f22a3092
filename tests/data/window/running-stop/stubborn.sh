trap "" TERM
record "$@"
echo started
exec sleep 30
