echo 'running'
record "$@"
exec sleep 10
