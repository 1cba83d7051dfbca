# Entry points; each target's script says what it does.
.PHONY: test unit bench exe run demo

test:            ## set up and run every test
	scripts/test-all.sh

unit:            ## the unit suites only (plain, ASan+UBSan, TSan)
	scripts/setup.sh core && scripts/unit-tests.sh

bench:           ## the benchmark, printing its ratios
	scripts/setup.sh core && scripts/bench.sh

exe:             ## cross-build velloran.exe with MinGW-w64
	scripts/build-exe.sh

run:             ## set up, build and start the Linux build
	scripts/run.sh

demo:            ## the Linux build against a local sample marketplace
	scripts/demo.sh
